#!/bin/sh
# Enchant's own tools with the Vorlen provider (run inside with_enchant_provider.sh).
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v enchant-2 >/dev/null || fail "enchant-2 is missing (apt-get install enchant-2)"

lsmod=$(enchant-lsmod-2 -lang es) || fail "enchant-lsmod-2 failed"
echo "enchant-lsmod-2 -lang es: $lsmod"
[ "$lsmod" = "es (vorlen)" ] || fail "Enchant does not pick vorlen for es"
enchant-lsmod-2 -list-dicts | grep -qx 'es (vorlen)' || fail "the dictionaries listed do not hold es (vorlen)"

answer=$(printf 'aber si kasa\n' | enchant-2 -a -d es) || fail "enchant-2 -a failed"
printf '%s\n' "$answer"
printf '%s\n' "$answer" | grep -q '^& aber [0-9]* 0: haber' || fail "aber is not answered with haber"
printf '%s\n' "$answer" | sed -n 3p | grep -qx '\*' || fail "si is not found"
printf '%s\n' "$answer" | grep '^& kasa [0-9]* 8: ' | grep -q 'casa' || fail "kasa gets no casa"
printf '%s\n' "$answer" | grep '^& kasa [0-9]* 8: ' | grep -q 'caza' || fail "kasa gets no caza"
echo "enchant-2 with vorlen: passed"
