#!/bin/bash
# The npm command line client gramma, pointed at the fixture's server through
# api_url in its .gramma.json: a text on the command line (sent as `text`) and
# a Markdown file (sent as annotated `data`) list Vorlen's corrections.
set -u
gramma="$VORLEN_NPM_DIR/node_modules/gramma/src/cli.js"
if [ ! -f "$gramma" ]; then
    echo "FAIL: gramma is not installed in $VORLEN_NPM_DIR (make test installs it:" \
         "tests/server/install-npm-packages.sh $VORLEN_NPM_DIR)"
    exit 1
fi
port=$(cat "$VORLEN_SERVER_STATE/port")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of its own, with the update check done today (no network).
mkdir -p "$work/home/.config/gramma"
date +%s000 > "$work/home/.config/gramma/.update"
printf '{"api_url": "http://127.0.0.1:%s/v2/check", "language": "es"}\n' "$port" \
    > "$work/.gramma.json"
failures=0

# run EXPECTED... -- ARGUMENTS: gramma's listing must hold each EXPECTED line.
run() {
    local expected=()
    while [ "$1" != "--" ]; do expected+=("$1"); shift; done
    shift
    (cd "$work" && HOME="$work/home" node "$gramma" "$@" -p -n) > "$work/out" 2>&1
    local status=$?
    # 1: mistakes found.
    if [ "$status" -ne 1 ]; then
        echo "FAIL: gramma $* exited with $status"; cat "$work/out"; failures=$((failures + 1))
    fi
    for line in "${expected[@]}"; do
        if ! grep -qxF -- "$line" "$work/out"; then
            echo "FAIL: gramma $*: no line \"$line\""; cat "$work/out"
            failures=$((failures + 1))
        fi
    done
}

run "Found 3 potential mistakes" "Word: aber" "Suggested fix: 1) haber" \
    "Word: yano" "Suggested fix: 1) llano" "Word: xqwk" -- listen "😀 aber si yano ay ves, xqwk."
printf '# Título\n\n**Aber** si _yano_ ay [ves](http://kasa.example).\n' > "$work/text.md"
run "Found 2 potential mistakes" "Word: Aber" "Suggested fix: 1) Haber" "Word: yano" -- \
    check "$work/text.md"

[ "$failures" -eq 0 ] || exit 1
echo "gramma lists Vorlen's corrections"
