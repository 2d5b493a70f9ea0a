#!/usr/bin/env bash
# Installs what the build, the tests and the program need, only what is missing.
# Run as root on Debian 12; as another user it only says what is missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgl-dev libssl3 libgtest-dev libgmock-dev libbenchmark-dev xdg-utils shared-mime-info)
[ "${1:-}" = "--with-x" ] && packages+=(xvfb x11-apps imagemagick)

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
