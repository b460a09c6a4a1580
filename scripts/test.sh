#!/usr/bin/env bash
# Builds everything and runs every test: the normal build (unit, scenario,
# gui, sound, real files, and the Debian package: built, installed into a
# scratch root, checked with lintian, desktop-file-validate, appstreamcli
# and man --warnings, its bash completion tried), the same unit and
# scenario tests under AddressSanitizer and UndefinedBehaviorSanitizer, the
# player's tests and the timing thread's under ThreadSanitizer, and the
# fuzz targets for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh"

echo "== build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" -j "$jobs" --output-on-failure

echo "== sanitizers"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVIX_SANITIZE=ON -DMORVIX_GUI=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure -L 'unit|scenario'

echo "== threads"
# The timing thread and the application's thread meet in the player, the
# shared output and the sender: their tests run under ThreadSanitizer.
cmake -S "$root" -B "$root/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVIX_SANITIZE_THREADS=ON \
  -DMORVIX_GUI=OFF >/dev/null
cmake --build "$root/build-tsan" -j "$jobs" --target timing_tests midi_tests
for tests in timing_tests midi_tests; do
  TSAN_OPTIONS=halt_on_error=1 "$root/build-tsan/bin/$tests" --gtest_brief=1
done

if command -v clang++ >/dev/null; then
  echo "== fuzz"
  cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DMORVIX_FUZZ=ON -DMORVIX_GUI=OFF >/dev/null
  cmake --build "$root/build-fuzz" -j "$jobs" --target all
  ctest --test-dir "$root/build-fuzz" --output-on-failure -L fuzz
fi
