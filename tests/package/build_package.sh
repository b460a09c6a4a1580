#!/usr/bin/env bash
# Builds the Debian package into BUILD/package, for the package tests that
# follow it (a ctest fixture: one package, several checks).
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || exit 77
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null 2>&1) || { echo "cpack failed"; exit 1; }
ls "$build"/package/morvix_*.deb
