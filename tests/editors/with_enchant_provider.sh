#!/bin/sh
# Runs a command with Enchant seeing the Vorlen provider just built, without
# installing it: Debian's Enchant loads providers only from its compiled-in
# module directory, so the command runs in a private mount namespace where a
# temporary directory (the machine's providers plus ours) is bind-mounted over
# that directory, with ENCHANT_CONFIG_DIR at a temporary folder whose ordering
# makes Vorlen the Spanish checker. Needs root (CI runs as root); anything
# that makes this impossible is a failure, never a skip.
#
#   with_enchant_provider.sh MODULE_DIR PROVIDER.so VOCABULARY COMMAND [ARG...]
set -u
if [ $# -lt 4 ]; then
    echo "usage: $0 MODULE_DIR PROVIDER.so VOCABULARY COMMAND [ARG...]" >&2
    exit 2
fi
module_dir=$1 provider=$2 vocabulary=$3
shift 3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" = 0 ] || fail "the Enchant tests must run as root, to mount the provider over $module_dir"
command -v unshare >/dev/null || fail "unshare (util-linux) is missing"
unshare -m true 2>/dev/null || fail "cannot make a private mount namespace (unshare -m needs CAP_SYS_ADMIN)"
[ -d "$module_dir" ] || fail "Enchant's module directory $module_dir is missing (apt-get install enchant-2)"
[ -f "$provider" ] || fail "the provider $provider was not built"

work=$(mktemp -d) || fail "cannot make a temporary directory"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/modules" "$work/config" "$work/home"
for f in "$module_dir"/*.so; do
    [ -e "$f" ] && cp "$f" "$work/modules/"
done
cp "$provider" "$work/modules/" || fail "cannot copy $provider"
echo "es:vorlen,hunspell" > "$work/config/enchant.ordering"

unshare -m sh -c 'mount --bind "$1" "$2" || exit 97; shift 2; exec "$@"' sh \
    "$work/modules" "$module_dir" \
    env ENCHANT_CONFIG_DIR="$work/config" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    VORLEN_VOCABULARY="$vocabulary" LANG=C.UTF-8 "$@"
status=$?
[ $status = 97 ] && fail "cannot bind-mount over $module_dir in a private mount namespace"
exit $status
