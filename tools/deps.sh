#!/usr/bin/env bash
# Installs what is needed, only what is missing. Run as root on Debian 12; as another user it
# only says what is missing.
#   deps.sh            everything the tests, the package and the lint in CI need
#   deps.sh --run      only what building and running the program needs
#   deps.sh --install  the program plus what its installation draws (icons) and packs (.deb)
#   deps.sh --with-x   also Xvfb, xdotool and ImageMagick for tools/screenshot.sh
set -euo pipefail

program=(cmake g++ make qt6-base-dev libgl-dev libssl3 xdg-utils shared-mime-info)
install=(librsvg2-bin dpkg-dev file)
checks=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream clang-format clang-tidy clang libclang-rt-14-dev
    fuse3 libfuse3-dev pkg-config zsh xvfb openbox)
screenshots=(xvfb x11-apps x11-utils xdotool imagemagick)

mode=all
with_x=0
for arg in "$@"; do
    case "$arg" in
    --run) mode=run ;;
    --install) mode=install ;;
    --with-x) with_x=1 ;;
    *) echo "usage: $0 [--run | --install] [--with-x]" >&2; exit 2 ;;
    esac
done
packages=("${program[@]}")
[ "$mode" != run ] && packages+=("${install[@]}")
[ "$mode" = all ] && packages+=("${checks[@]}")
[ "$with_x" = 1 ] && packages+=("${screenshots[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (install them as root: apt-get install ${missing[*]})" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
