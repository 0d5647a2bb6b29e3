#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need
# (`setup.sh play`: only those the game and its build need).
# Does nothing when every one of them is already installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libfluidsynth-dev libfontconfig-dev
  timgm6mb-soundfont fluid-soundfont-gm fonts-ipafont-gothic fonts-ipafont-mincho
)

# The tests and benchmarks: GoogleTest, Google Benchmark, pixman (the
# benchmarks' yardstick) and a virtual X display; `setup.sh fuzz` also
# brings the compiler of the fuzz targets.
if [ "${1:-}" != play ]; then
  packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev libpixman-1-dev xvfb)
fi
if [ "${1:-}" = fuzz ]; then packages+=(clang); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
