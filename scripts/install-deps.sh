#!/usr/bin/env bash
# Installs what building and testing Orvane needs on Debian 12, and nothing when it is
# all there already. Runs apt-get as root directly, else through sudo.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev fonts-dejavu-core)
[ "${1:-}" = "--run" ] && packages+=(xvfb)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
