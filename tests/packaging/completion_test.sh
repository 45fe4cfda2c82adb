#!/usr/bin/env bash
# Completion of quotella-cli, driven as bash drives it: COMP_WORDS in, COMPREPLY out.
#   completion_test.sh COMPLETION_FILE QUOTELLA_CLI
set -uo pipefail
source "$1"
cli=$2
failures=0

# complete WORD... : the words of the command line, the last one being completed.
complete_line() {
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _quotella_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local what=$1 want=$2 got=$3
  if [ "$got" != "$want" ]; then
    echo "FAIL: $what"; echo "  want: $(echo $want)"; echo "  got:  $(echo $got)"
    failures=$((failures + 1))
  fi
}

# Every command of the help is offered, and nothing else.
want=$( ("$cli" help | awk '/^  quotella-cli / { print $2 }'; echo help) | sort -u)
expect "first word: every command" "$want" "$(complete_line "")"
expect "first word: a prefix" "$(printf 'scan\nsearch\nsettings\nshow\nswap\nsynopsis')" \
  "$(complete_line s)"

# Options of the command being typed, including those of continuation lines.
got=$(complete_line export P.qtl --)
for option in --pdf --bitmap --svg --ipuz --html --key --landscape --punctuation --yes; do
  grep -qx -- "$option" <<<"$got" || { echo "FAIL: export offers no $option"; failures=$((failures + 1)); }
done
grep -qx -- "--stats" <<<"$got" && { echo "FAIL: export offers scan's --stats"; failures=$((failures + 1)); }
expect "fill options by prefix" "$(printf -- '--max-length\n--max-rarity')" "$(complete_line fill P.qtl --max)"

# An option's fixed values, from its usage "--sort length|vowels|...".
expect "scan --sort values" "$(printf 'length\nprimary\nproblems\nrarity\nscore\nvowels')" \
  "$(complete_line scan P.qtl A --sort "")"
expect "export --paper values" "$(printf 'a4\nlegal\nletter')" "$(complete_line export P.qtl --pdf --paper "")"
expect "export --copyright values" "last-page" "$(complete_line export P.qtl --pdf --copyright la)"
expect "fill --max-rarity values" "$(printf '50\n60\n70')" "$(complete_line fill P.qtl --max-rarity "")"

# A file name anywhere else; a folder after --dict.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/dictionary"
touch "$scratch/puzzle.qtl"
expect "a file argument" "$scratch/puzzle.qtl" "$(complete_line show "$scratch/pu")"
expect "--dict takes a folder" "$scratch/dictionary" "$(complete_line rarity --dict "$scratch/")"

[ "$failures" -eq 0 ] && echo "completion: all cases pass"
exit $((failures > 0))
