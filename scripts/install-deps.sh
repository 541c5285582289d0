#!/usr/bin/env bash
# Installs the Debian packages the calculator needs to build, run and test, when missing.
set -euo pipefail

packages=(g++ make cmake pkg-config clang-format libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
          qt6-base-dev libgif-dev fonts-wine xvfb xauth xdotool
          openbox x11-utils libx11-dev
          dpkg-dev file lintian desktop-file-utils appstream dbus-daemon at-spi2-core python3-pyatspi
          libglib2.0-bin nodejs
          emscripten chromium chromium-driver python3-selenium python3-pil)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
