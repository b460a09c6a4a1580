#!/usr/bin/env bash
# Checks the Debian package build_package.sh made as a distribution and the
# software centres would: lintian without errors or warnings (an override
# only with a comment saying why), the desktop entry and the AppStream
# metainfo without a remark, both manual pages without a groff warning, no
# maintainer scripts (the synthesizer module is private, found through the
# RUNPATH), and both programs answering --version with the package's version.
set -euo pipefail
build=$1
for tool in dpkg-deb lintian desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh installs it)"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
deb=$(ls "$build"/package/morvix_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -e "$deb" "$scratch/control"
root=$scratch/root
failures=0
fail() {
  printf '%s\n' "$@"
  failures=$((failures + 1))
}

# Errors and warnings only: lintian's informational tags are advice.
tags=$(lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^[EW]: ' || true)
[ -z "$tags" ] || fail "lintian:" "$tags"

entry=$root/usr/share/applications/morvix.desktop
said=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$said" ] || fail "desktop-file-validate:" "$said"

metainfo=$root/usr/share/metainfo/com.pelorin.morvix.metainfo.xml
if [ -f "$metainfo" ]; then
  said=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli validate failed:" "$said"
  ! grep -qE '^[EWIP]: ' <<<"$said" || fail "appstreamcli validate:" "$said"
else
  fail "no metainfo"
fi
said=$(appstreamcli validate-tree --no-net --pedantic "$root" 2>&1) || fail "appstreamcli validate-tree failed:" "$said"
! grep -qE '^[EWIP]: ' <<<"$said" || fail "appstreamcli validate-tree:" "$said"
version=$(dpkg-deb -f "$deb" Version)
grep -qs "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

for page in morvix morvix-cli; do
  file=$root/usr/share/man/man1/$page.1.gz
  [ -f "$file" ] || { fail "no manual page $page(1)"; continue; }
  said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) || true
  [ -z "$said" ] || fail "man --warnings $page:" "$said"
done

for script in preinst postinst prerm postrm triggers; do
  [ ! -e "$scratch/control/$script" ] || fail "the package has a $script"
done
readelf -d "$root/usr/bin/morvix-cli" | grep -q 'RUNPATH.*\[\$ORIGIN/\.\./lib/[^/]*/morvix\]' ||
  fail "morvix-cli's RUNPATH does not name the module folder"

said=$("$root/usr/bin/morvix-cli" --version 2>&1) || true
[ "$said" = "morvix-cli (Morvix Music Reference) $version" ] || fail "morvix-cli --version: $said"
# Without a display: the version is answered before Qt starts.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/morvix" --version 2>&1) || true
[ "$said" = "morvix (Morvix Music Reference) $version" ] || fail "morvix --version: $said"

[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
