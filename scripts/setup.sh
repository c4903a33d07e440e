#!/usr/bin/env bash
# Installs every Debian package Kelpie needs to build, test and run. Safe to run again:
# it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6 libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth
    # Qt's SVG image and icon-engine plugins (libqsvg, libqsvgicon), so the window icon kelpie.svg loads
    libqt6svg6 qt6-svg-dev
    # screenshots under Xvfb, PDF checks of the printed listing, the desktop entry check
    xdotool imagemagick poppler-utils desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
