#!/usr/bin/env bash
# Installs a build into a temporary prefix and runs the installed command-line tool from
# there: it must check a quotation and scan its own installed dictionary.
#   scripts/install-test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/quotella-cli share/quotella/a.txt share/quotella/z.txt share/quotella/help1.rtf \
  share/applications/quotella.desktop share/icons/hicolor/scalable/apps/quotella.svg \
  share/mime/packages/quotella.xml share/metainfo/org.quotella.Quotella.metainfo.xml \
  share/man/man1/quotella.1.gz share/man/man1/quotella-cli.1.gz \
  share/bash-completion/completions/quotella-cli share/doc/quotella/copyright; do
  [ -e "$prefix/$f" ] || { echo "install-test: $f was not installed" >&2; exit 1; }
done
if [ -x "$build/bin/quotella" ] && [ ! -x "$prefix/bin/quotella" ]; then
  echo "install-test: the program was not installed" >&2
  exit 1
fi

cli="$prefix/bin/quotella-cli"
line='A@B@ABLE BODIED SEAMEN'
# Run from elsewhere, so that nothing of the build folder is found by accident.
cd "$prefix"
"$cli" check "$line" >/dev/null
out=$("$cli" scan --quote "$line" A)
case "$out" in
  *"No candidates found"* | "") echo "install-test: scan found nothing:" >&2; echo "$out" >&2; exit 1 ;;
esac
echo "install-test: installed copy in $prefix works"
