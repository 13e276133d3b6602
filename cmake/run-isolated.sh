#!/bin/sh
# Runs one test program in a fresh working directory, HOME and XDG_RUNTIME_DIR.
set -e
dir=$(mktemp -d "${TMPDIR:-/tmp}/kelvo-test.XXXXXX")
mkdir -p "$dir/home" "$dir/runtime"
chmod 700 "$dir/runtime"
export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime"
cd "$dir"
status=0
"$@" || status=$?
cd /
rm -rf "$dir"
exit $status
