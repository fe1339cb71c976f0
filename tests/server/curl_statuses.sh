#!/bin/bash
# The statuses curl gets from the fixture's server for good and bad requests,
# each error with a JSON body that says what is wrong.
set -u
port=$(cat "$VORLEN_SERVER_STATE/port")
base="http://127.0.0.1:$port"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS WORD -- CURL-ARGUMENTS...: the status, and WORD in the body.
expect() {
    local status=$1 word=$2
    shift 3
    local got
    got=$(curl -s -o "$work/body" -w '%{http_code}' "$@")
    if [ "$got" != "$status" ] || ! grep -q -- "$word" "$work/body"; then
        echo "FAIL: curl $* -> $got (expected $status with \"$word\"): $(head -c 300 "$work/body")"
        failures=$((failures + 1))
    fi
}

# The check of the README.
expect 200 '"value":"haber"' -- --data-urlencode 'text=aber si yano ay ves' -d language=es \
    "$base/v2/check"
grep -q '"value":"llano"' "$work/body" || { echo "FAIL: no llano"; failures=$((failures + 1)); }

# One byte over 1 MiB, sent whole and chunked.
head -c 1048577 /dev/zero | tr '\0' 'a' > "$work/big"
expect 413 '1 MiB' -- --data-binary @"$work/big" -H 'Content-Type: application/json' \
    "$base/api/convert"
expect 413 '1 MiB' -- --data-binary @"$work/big" -H 'Transfer-Encoding: chunked' \
    -H 'Content-Type: application/x-www-form-urlencoded' "$base/v2/check"
# Exactly 1 MiB is taken.
head -c 1048565 /dev/zero | tr '\0' 'a' > "$work/fits"
{ printf '{"text":"'; cat "$work/fits"; printf '"}'; } > "$work/fits.json"
expect 200 '"notFound"' -- --data-binary @"$work/fits.json" "$base/api/convert"

# The other refusals are the Python tests' part; one as curl sends it.
expect 400 'UTF-8' -- --data-binary 'text=aber%FF&language=es' "$base/v2/check"
expect 404 'missing.js' -- "$base/missing.js"
expect 404 '"error"' -- -X POST -d x=1 "$base/v2/nothing"
expect 403 'allow-origin' -- -H 'Origin: https://elsewhere.example' "$base/v2/languages"

if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "all statuses as expected"
