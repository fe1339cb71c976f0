#!/bin/sh
# The library as a user meets it: installed into a fresh prefix, then a C
# program built through pkg-config and a C++ project through find_package,
# both run on the vocabulary installed beside the library.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

for component in library development; do
    cmake --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done

expected='haber si yano|llano ay ves'
pcdir=$(dirname "$(find "$prefix" -name vorlen.pc)")
libdir=$(PKG_CONFIG_PATH=$pcdir pkg-config --variable=libdir vorlen)
case $libdir in "$prefix"/*) ;; *) echo "FAIL: pkg-config libdir $libdir is outside the prefix"; exit 1;; esac

# shellcheck disable=SC2046
cc -Wall -o "$work/convert" "$source/examples/convert.c" \
    $(PKG_CONFIG_PATH=$pcdir pkg-config --cflags --libs vorlen) -Wl,-rpath,"$libdir"
got=$(env -u VORLEN_VOCABULARY "$work/convert")
[ "$got" = "$expected" ] || { echo "FAIL (pkg-config): got '$got'"; exit 1; }

cmake -S "$source/examples" -B "$work/examples" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_RPATH="$libdir" >/dev/null
cmake --build "$work/examples" >/dev/null
got=$(env -u VORLEN_VOCABULARY "$work/examples/check_words")
[ "$got" = "$expected" ] || { echo "FAIL (find_package): got '$got'"; exit 1; }
got=$("$work/examples/check_words" kasa)
[ "$got" = "kasa: casa|caza" ] || { echo "FAIL (find_package, word): got '$got'"; exit 1; }

# Only the API leaves the library.
leaked=$(nm -D --defined-only -C "$libdir/libvorlen.so.0" | grep -E ' [TBD] vorlen::' \
    | grep -v -E 'vorlen::(Speller|Error)::' || true)
[ -z "$leaked" ] || { echo "FAIL: engine symbols exported:"; echo "$leaked"; exit 1; }
echo "install test passed"
