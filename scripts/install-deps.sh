#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need. Idempotent: when every
# package is present it does nothing and returns at once.
set -euo pipefail

packages=(
  cmake g++ clang libclang-rt-14-dev ninja-build
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine64 wine xvfb imagemagick fonts-wqy-zenhei x11-utils
  googletest libgtest-dev libbenchmark-dev

)

# npm and python3 may come from outside Debian (nodesource, pyenv); only ask
# apt for them when the command is missing.
command -v npm >/dev/null 2>&1 || packages+=(npm)
command -v python3 >/dev/null 2>&1 || packages+=(python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq || true
apt-get install -y -qq --no-install-recommends "${missing[@]}"
