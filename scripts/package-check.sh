#!/usr/bin/env bash
# Checks the Debian package as a user's machine would see it: its contents, lintian (no
# errors; warnings listed), the desktop entry and AppStream validators, the manual pages
# rendered by man, and the installed copy itself, unpacked into a scratch root (dpkg -x):
# the command-line demo runs from there, and the window's first start writes its settings
# under the user's configuration folder and nothing into the installed tree.
#   scripts/package-check.sh PACKAGE.deb
set -euo pipefail
deb=$(readlink -f "$1")
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package-check: $*" >&2; exit 1; }
step() { echo; echo "== $*"; }

step "Contents of $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Depends
dpkg -c "$deb" >"$scratch/contents"
for f in usr/bin/quotella usr/bin/quotella-cli usr/share/quotella/a.txt \
  usr/share/quotella/familiarity.txt usr/share/quotella/known.txt usr/share/quotella/help1.rtf usr/share/quotella/quotes.txt \
  usr/share/quotella/samplepuzzle1.qtl usr/share/applications/quotella.desktop \
  usr/share/icons/hicolor/scalable/apps/quotella.svg usr/share/icons/hicolor/48x48/apps/quotella.png \
  usr/share/icons/hicolor/256x256/apps/quotella.png usr/share/mime/packages/quotella.xml \
  usr/share/metainfo/org.quotella.Quotella.metainfo.xml usr/share/man/man1/quotella.1.gz \
  usr/share/man/man1/quotella-cli.1.gz usr/share/bash-completion/completions/quotella-cli \
  usr/share/doc/quotella/copyright usr/share/doc/quotella/changelog.gz; do
  grep -q " \./$f\$" "$scratch/contents" || fail "$f is not in the package"
done
echo "$(wc -l <"$scratch/contents") entries, every expected file present"
grep -q "Kevin Atkinson" <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quotella/copyright) ||
  fail "the copyright file lacks SCOWL's notice"
grep -q "WordNet 3.0 Copyright 2006 by Princeton University" \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quotella/copyright) ||
  fail "the copyright file lacks WordNet's licence"

step "lintian (errors fail; warnings listed)"
lintian --no-tag-display-limit --suppress-tags-from-file /dev/null "$deb" >"$scratch/lintian" 2>&1 || true
cat "$scratch/lintian"
grep -q '^E: ' "$scratch/lintian" && fail "lintian reports errors"
echo "lintian: $(grep -c '^W: ' "$scratch/lintian" || true) warnings, no errors"

root="$scratch/root"
dpkg -x "$deb" "$root"

step "Validators"
desktop-file-validate "$root/usr/share/applications/quotella.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/org.quotella.Quotella.metainfo.xml"
for page in quotella quotella-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  echo "man -l $page.1.gz: rendered without warnings"
done

step "The installed quotella-cli demo, from the scratch root"
home="$scratch/home"
mkdir -p "$home"
touch "$scratch/before"
HOME=$home XDG_CONFIG_HOME= XDG_DATA_HOME= bash "$top/scripts/demo.sh" "$root/usr/bin" "$scratch/out"

step "The installed window's first start (settings go to the user's folder)"
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  HOME=$home XDG_CONFIG_HOME= XDG_DATA_HOME= \
    xvfb-run -a -s "-screen 0 1400x900x24" bash "$top/scripts/first-start.sh" "$root/usr/bin/quotella"
  [ -s "$home/.config/quotella/quotella.ini" ] ||
    fail "the installed window wrote no settings into ~/.config/quotella"
  echo "settings written: ~/.config/quotella/quotella.ini"
  [ -s "$home/.local/share/applications/quotella.desktop" ] && echo "puzzle files registered: ~/.local/share/applications/quotella.desktop"
else
  echo "xvfb-run or xdotool missing: the window's first start is not checked"
fi
written=$(find "$root" -newer "$scratch/before" ! -type d)
[ -z "$written" ] || fail "the installed copy wrote into its own tree: $written"
echo "nothing was written into the installed tree"
