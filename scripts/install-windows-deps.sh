#!/usr/bin/env bash
# Installs what the 32-bit Windows cross build needs: the mingw-w64 i686
# compilers, Wine with its 32-bit half, and the sources of Expat, zlib and
# libpng from Debian's source packages (GoogleTest's sources come with
# googletest). Packages already present are left alone; the sources are
# fetched once into build/_deps.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 wine64 googletest xz-utils)
deps_dir=build/_deps

source scripts/missing-packages.sh
mapfile -t missing < <(missing_packages "${packages[@]}")

need_root() {
  if [[ $(id -u) -ne 0 ]]; then
    echo "error: run as root (or with sudo) to $1" >&2
    exit 1
  fi
}

deb_src_list=/etc/apt/sources.list.d/atelier-deb-src.sources
add_deb_src() {
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ /etc/apt/sources.list && return 0
  grep -qs '^deb-src ' /etc/apt/sources.list && return 0
  need_root "add a deb-src entry for Expat's sources"
  cat >"$deb_src_list" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
}

lists_updated=0
if ((${#missing[@]} > 0)); then
  need_root "install: ${missing[*]}"
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  add_deb_src
  apt-get update -qq
  lists_updated=1
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# fetch_debian_source <source package>: unpacks Debian's sources of a package
# into build/_deps/<source package>, with Debian's own patches on top of the
# upstream release. A folder holding a finished unpack is kept as it is.
fetch_debian_source() {
  local package=$1 dir=$deps_dir/$1
  [[ -f $dir/.unpacked ]] && return 0
  add_deb_src
  if ((lists_updated == 0)); then
    need_root "refresh the package lists for Debian's sources"
    apt-get update -qq
    lists_updated=1
  fi
  mkdir -p "$deps_dir/download"
  (cd "$deps_dir/download" && apt-get source --download-only "$package")
  local upstream debian
  upstream=$(ls "$deps_dir"/download/"${package}"_*.orig.tar.* | sort -V | tail -n 1)
  debian=$(ls "$deps_dir"/download/"${package}"_*.debian.tar.* | sort -V | tail -n 1)
  rm -rf "$dir"
  mkdir -p "$dir"
  tar -xf "$upstream" -C "$dir" --strip-components=1
  tar -xf "$debian" -C "$dir"
  if [[ -f $dir/debian/patches/series ]]; then
    while read -r patch _; do
      [[ -z $patch || $patch == \#* ]] && continue
      patch -d "$dir" -p1 --quiet <"$dir/debian/patches/$patch"
    done <"$dir/debian/patches/series"
  fi
  touch "$dir/.unpacked"
}

fetch_debian_source expat
# Debian's fixes test `XML_DTD == 1`, as its autotools build defines it; the
# CMake build's configuration header must say the same.
sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$deps_dir/expat/expat/expat_config.h.cmake"
# zlib and libpng, for the command-line tool's PNG files.
fetch_debian_source zlib
fetch_debian_source libpng1.6

# Wine's 32-bit half is a 32-bit Linux program. Where the kernel runs no 32-bit
# code (IA-32 emulation switched off), qemu-user runs it through binfmt_misc,
# with a small shim that lets Wine place its memory where it asks.
binfmt=/proc/sys/fs/binfmt_misc
shim_dir=$deps_dir/wine-mmap-shim
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if ! runs_32bit; then
  need_root "let qemu-user run 32-bit programs"
  echo "This kernel runs no 32-bit programs: Wine's 32-bit half will run under qemu-user"
  mapfile -t missing < <(missing_packages qemu-user-static gcc-multilib)
  if ((${#missing[@]} > 0)); then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  [[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt"
  if [[ ! -e $binfmt/qemu-i386 ]]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >"$binfmt/register"
  fi
  if ! runs_32bit; then
    echo "error: this machine cannot run Wine's 32-bit half, not even under qemu-user" >&2
    exit 1
  fi
fi
if [[ -e $binfmt/qemu-i386 && ! -f $shim_dir/lib/i386-linux-gnu/libwine-mmap-shim.so ]]; then
  # Wine's 64-bit processes run natively and need nothing: an empty library of
  # their kind keeps the preload silent there.
  mkdir -p "$shim_dir/lib/i386-linux-gnu" "$shim_dir/lib/x86_64-linux-gnu"
  gcc -m32 -O2 -fPIC -shared scripts/wine/wine-mmap-shim.c -o "$shim_dir/lib/i386-linux-gnu/libwine-mmap-shim.so" -ldl -lpthread
  echo | gcc -x c -shared -o "$shim_dir/lib/x86_64-linux-gnu/libwine-mmap-shim.so" -
fi
echo "Windows cross-build dependencies are in place (sources in $deps_dir)"
