#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate and the AppStream metadata passes
# appstreamcli validate (offline), and the two name each other.
#   metadata_test.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
desktop=$1
metainfo=$2
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
failures=0
desktop-file-validate "$desktop" || { echo "FAIL: desktop-file-validate"; failures=$((failures + 1)); }
appstreamcli validate --no-net --explain "$metainfo" || { echo "FAIL: appstreamcli"; failures=$((failures + 1)); }
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  { echo "FAIL: the metadata does not launch $(basename "$desktop")"; failures=$((failures + 1)); }
mime=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
grep -q "<mediatype>$mime</mediatype>" "$metainfo" ||
  { echo "FAIL: the metadata does not provide $mime"; failures=$((failures + 1)); }
exit $((failures > 0))
