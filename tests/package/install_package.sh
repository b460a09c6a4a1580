#!/usr/bin/env bash
# Unpacks the Debian package build_package.sh made into a scratch root and
# runs the installed morvix-cli there: it reads the installed catalogues,
# prefers the user's own copy, and writes its history under the user's data
# folder, never into the installed files.
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || exit 77
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

deb=$(ls "$build"/package/morvix_*.deb)
info=$(dpkg-deb --info "$deb")
grep -q "Depends:.*libqt6widgets6" <<<"$info" || { echo "package lacks the Qt dependency"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for f in usr/bin/morvix usr/bin/morvix-cli usr/lib/$multiarch/morvix/libmorvix_synth.so usr/share/morvix/SCALES.USE usr/share/morvix/TUTORIAL.MVE \
         usr/share/applications/morvix.desktop usr/share/mime/packages/morvix.xml \
         usr/share/icons/hicolor/48x48/apps/morvix.png usr/share/icons/hicolor/scalable/apps/morvix.svg; do
  [ -e "$root/$f" ] || { echo "missing $f"; exit 1; }
done

export XDG_DATA_HOME=$scratch/data HOME=$scratch/home
unset MORVIX_HOME
cli=$root/usr/bin/morvix-cli
report=$("$cli" report --key D)
grep -q "^Tonic:   D$" <<<"$report" || { echo "installed report failed"; exit 1; }

printf 'start\ncmd 32774\nexit\n' > "$scratch/script.txt"
"$cli" run "$scratch/script.txt" >/dev/null
[ -f "$XDG_DATA_HOME/morvix/HISTORY.USE" ] || { echo "history not written under XDG_DATA_HOME"; exit 1; }
grep -q "^D major$" "$XDG_DATA_HOME/morvix/HISTORY.USE" || { echo "history lacks the entry"; exit 1; }
[ ! -e "$root/usr/share/morvix/HISTORY.USE" ] || { echo "history written into the installed files"; exit 1; }

# The user's own catalogue comes first.
sed '0,/^ major 1/s// mine 1/' "$root/usr/share/morvix/SCALES.USE" > "$XDG_DATA_HOME/morvix/SCALES.USE"
scales=$("$cli" scales)
grep -q " mine:" <<<"$scales" || { echo "the user's catalogue was not read"; exit 1; }
# The installed command line finds its synthesizer module.
printf 'MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xff\x2f\0' > "$scratch/empty.mid"
MORVIX_MIDI_OUT="wav:$scratch/out.wav" "$cli" play "$scratch/empty.mid" >/dev/null 2>&1 ||
  { echo "installed play through the synthesizer failed"; exit 1; }
[ -s "$scratch/out.wav" ] || { echo "no WAV rendered"; exit 1; }
# ...and its picture module, with the installed program's key images.
"$cli" draw Piano-88 --set viewStyle=g --png "$scratch/piano.png" --svg "$scratch/piano.svg" ||
  { echo "installed draw --png through the picture module failed"; exit 1; }
[ "$(head -c 4 "$scratch/piano.png" | tail -c 3)" = PNG ] || { echo "no PNG painted"; exit 1; }
grep -q 'data:image/png;base64' "$scratch/piano.svg" || { echo "the SVG lacks the installed key images"; exit 1; }
echo "1 passed, 0 failed"
