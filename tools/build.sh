#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), configures and builds into
# build/: programs in build/bin, the run folder (database, template, pictures, help) in build/run.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config libsqlite3-dev qt6-base-dev
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
