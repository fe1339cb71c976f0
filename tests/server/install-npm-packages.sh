#!/bin/bash
# Installs the npm packages the server tests drive (the gramma command line)
# into DIR (make test uses build/npm), from the npm registry.
set -eu
dir=${1:?usage: install-npm-packages.sh DIR}
mkdir -p "$dir"
if [ ! -f "$dir/node_modules/gramma/package.json" ]; then
    npm install --prefix "$dir" --no-audit --no-fund --loglevel=error gramma@1.6.0
fi
