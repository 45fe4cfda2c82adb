#!/usr/bin/env bash
# The manual pages made from quotella-cli's help: every command of the help is in
# quotella-cli(1), both pages render without a warning from man, and help text that roff
# would take for requests or escapes comes out as written.
#   manpage_test.sh PACKAGING_DIR QUOTELLA_CLI
set -uo pipefail
packaging=$1
cli=$2
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

make_pages() {  # CLI OUTDIR
  python3 "$packaging/make-manpages.py" --cli "$1" --version 9.8 --source "$packaging/man" --out "$2"
}
render() {  # PAGE -> rendered text on stdout, warnings into $scratch/warnings
  LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$1" 2>"$scratch/warnings"
}

make_pages "$cli" "$scratch/real" || { echo "FAIL: the pages were not made"; exit 1; }
for page in quotella quotella-cli; do
  [ -s "$scratch/real/$page.1.gz" ] || fail "$page.1.gz was not written"
  render "$scratch/real/$page.1" >"$scratch/$page.txt"
  [ -s "$scratch/warnings" ] && fail "$page: $(cat "$scratch/warnings")"
  grep -q "Quotella 9.8" "$scratch/$page.txt" || fail "$page does not name the version"
  cmp -s <(gzip -dc "$scratch/real/$page.1.gz") "$scratch/real/$page.1" || fail "$page.1.gz differs"
done
for command in $("$cli" help | awk '/^  quotella-cli / { print $2 }' | sort -u); do
  grep -qE "^ {7}$command\$" "$scratch/quotella-cli.txt" || fail "quotella-cli(1) lacks the command $command"
done
# Every synopsis line of the help, as the terminal shows it, is in the page.
while IFS= read -r line; do
  grep -qF -- "$(echo "$line" | sed 's/^ *//')" "$scratch/quotella-cli.txt" || fail "quotella-cli(1) lacks: $line"
done < <("$cli" help | grep -E '^  quotella-cli |^ +[[(]')
for section in "EXIT STATUS" FILES "SEE ALSO"; do
  grep -q "^$section" "$scratch/quotella-cli.txt" || fail "quotella-cli(1) has no $section"
done
make_pages "$cli" "$scratch/again" || fail "the pages were not made a second time"
cmp -s "$scratch/real/quotella-cli.1.gz" "$scratch/again/quotella-cli.1.gz" ||
  fail "the compressed page is not reproducible"

# A help whose lines begin with a dot or a quote, or hold backslashes and hyphens.
cat >"$scratch/odd-cli" <<'ODD'
#!/bin/sh
echo "odd-cli: a tool with awkward help"
echo
echo "usage:"
echo "  quotella-cli dots .lines -x \\\\n 'quoted'"
echo "      .continued --with-hyphens"
echo "  quotella-cli quote FILE"
echo "      'starts with a quote"
ODD
chmod +x "$scratch/odd-cli"
make_pages "$scratch/odd-cli" "$scratch/odd" || fail "odd help: no pages"
render "$scratch/odd/quotella-cli.1" >"$scratch/odd.txt"
[ -s "$scratch/warnings" ] && fail "odd help: $(cat "$scratch/warnings")"
for text in "quotella-cli dots .lines -x \\n 'quoted'" ".continued --with-hyphens" "'starts with a quote" \
  "a tool with awkward help"; do
  grep -qF -- "$text" "$scratch/odd.txt" || fail "odd help: \"$text\" is not shown as written"
done

[ "$failures" -eq 0 ] && echo "manual pages: all checks pass"
exit $((failures > 0))
