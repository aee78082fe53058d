#!/usr/bin/env bash
# Installs, with apt-get, every Debian package the suite needs to build, test,
# benchmark and fuzz. Packages already present are left alone, so a second run
# costs a few dpkg queries.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  libexpat1-dev libicu-dev libcli11-dev libpng-dev
  libxml2-dev libxml2-utils libtinyxml2-dev libpugixml-dev
  unicode-data valgrind doxygen
)

source "$(dirname "$0")/apt-packages.sh"
mapfile -t missing < <(missing_packages "${packages[@]}")

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "error: run as root (or with sudo) to install the packages above" >&2
  exit 1
fi
refresh_package_lists
if ! install_packages "${missing[@]}"; then
  echo "error: the packages above could not be installed" >&2
  exit 1
fi
