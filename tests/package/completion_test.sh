#!/usr/bin/env bash
# Completes morvix-cli command lines with the shipped bash completion, as
# bash would on TAB, and checks the candidates.
# usage: completion_test.sh MORVIX_CLI COMPLETION_FILE
set -uo pipefail
cli=$1
source "$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# The candidates for the last word of the words given, one a line.
candidates() {
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _morvix_cli
  printf '%s\n' "${COMPREPLY[@]}"
}

# expect "WANTED LINE ..." -- WORD ...: each wanted line is a candidate.
expect() {
  local wanted=() got
  while [ "$1" != -- ]; do wanted+=("$1"); shift; done
  shift
  got=$(candidates "$@")
  for line in "${wanted[@]}"; do
    grep -qxF -- "$line" <<<"$got" || { echo "'$*': no '$line' among:"; echo "$got" | head -20; failures=$((failures + 1)); }
  done
}

# expect_none WORD ...: no candidate at all.
expect_none() {
  local got
  got=$(candidates "$@")
  [ -z "$got" ] || { echo "'$*': expected nothing, got:"; echo "$got" | head; failures=$((failures + 1)); }
}

# Every command of --help, and the two options of the program itself.
mapfile -t commands < <("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
[ "${#commands[@]}" -ge 9 ] || { echo "--help lists ${#commands[@]} commands"; failures=$((failures + 1)); }
expect "${commands[@]}" --version --help -- ""
expect draw -- dr
expect --version -- --v

# Options from each command's usage line.
expect --key --scale --chord --chord-name --notation -- report --
expect --surface --ascii --set --chordset -- draw Guitar --
expect --rate --queue --real-time -- play song.mid --
expect --play-list -- examine --

# Names from the catalogues, quoted as the shell needs.
expect Guitar Guitar-Drop-D Grand-Staff -- draw G
expect_none draw group
expect_none draw endgroup
expect 'dorian\ mode' -- report --scale dor
expect 'dorian mode' -- report --scale '"dor'
expect maj maj7 maj7#11 -- report --chord maj
expect 'V7-hm' -- draw Guitar --chord-name V7
expect C C# Db D D# Eb E F F# Gb G G# Ab A A# Bb B -- report --key ""
expect e r v -- report --notation ""
expect 25 150 -- play song.mid --rate ""
expect Eb E -- identify C E

# --set: the fields draw --help lists, then their values after "=".
expect orientation= fretCount= clefCode= -- draw Guitar --set ""
expect a d -- draw Guitar --set orientation = ""
expect G F P -- draw Grand-Staff --set clefCode = ""
expect e r -- draw Guitar --set notation = ""

# File names for run, examine and play.
touch "$scratch/song.mid" "$scratch/script.txt"
expect "$scratch/song.mid" -- examine "$scratch/so"
expect "$scratch/song.mid" -- play "$scratch/s"
expect "$scratch/script.txt" -- run "$scratch/sc"

[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
