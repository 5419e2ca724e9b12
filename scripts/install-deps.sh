#!/usr/bin/env bash
# Installs the Debian 12 packages this project needs, only those missing,
# as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth openbox xdotool imagemagick
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
