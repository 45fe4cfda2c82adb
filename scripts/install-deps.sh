#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the benchmarks and the
# program need. Idempotent and quiet when everything is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6 qt6-svg-dev
  fonts-liberation scowl unrtf xvfb xauth
  chromium chromium-driver python3-selenium
  poppler-utils cups printer-driver-cups-pdf
  clang libclang-rt-14-dev llvm clang-format clang-tidy
  libicu-dev wordnet-dev wordnet-base libstemmer-dev
  dpkg-dev lintian desktop-file-utils appstream librsvg2-bin man-db xdotool imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
