#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only the packages that are missing),
# then configures and builds Tamblewin in the given build folder.
#   usage: tools/setup.sh BUILD_DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-noto-core fonts-noto-cjk qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libharfbuzz-dev libfontconfig-dev libdeflate-dev poppler-utils mupdf-tools qpdf xvfb xauth xdotool
          desktop-file-utils appstream dpkg-dev file libxml2-utils shared-mime-info groff-base man-db bash-completion
          lintian x11-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir=$1
shift
cmake -S . -B "$build_dir" -G Ninja -DTAMBLEWIN_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir"
