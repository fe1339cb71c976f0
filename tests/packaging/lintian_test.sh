#!/bin/sh
# The Debian packages as cpack makes them, checked by lintian: any error fails.
# Usage: lintian_test.sh BUILD_DIR
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed (make test installs it)"; exit 1; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
for package in vorlen libvorlen0 libvorlen-dev; do
    ls "$out"/${package}_*.deb >/dev/null 2>&1 || { echo "FAIL: no $package package"; exit 1; }
done
# Lintian's profile of Debian itself; tags that only make sense for packages
# built from a Debian source package are not about these binaries.
lintian --fail-on error --no-tag-display-limit \
    --suppress-tags no-copyright-file,debian-changelog-file-missing-or-wrong-name \
    "$out"/*.deb
echo "lintian found no error"
