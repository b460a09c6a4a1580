#!/usr/bin/env bash
# Builds the desktop program and starts it. Extra arguments go to morvix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target morvix morvix-cli
exec "$root/build/bin/morvix" "$@"
