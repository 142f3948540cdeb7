#!/usr/bin/env bash
# Installs the Debian packages Vaultrun needs to build and play (and, with --test, to run its
# tests), when they are missing. Runs apt-get as root, or through sudo for a normal user.
set -euo pipefail

packages=(cmake g++ make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
          libxss-dev libxfixes-dev libdbus-1-dev libsdl2-mixer-dev libpng-dev libmp3lame-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra libgtest-dev libbenchmark-dev)
if [ "${1:-}" = "--test" ]; then
  packages+=(xvfb xauth xdotool x11-apps x11-utils openbox dbus-daemon clang libclang-rt-14-dev ccache git
             desktop-file-utils appstream man-db dpkg-dev lintian)
fi

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
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
