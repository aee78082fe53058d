#!/usr/bin/env bash
# Installs what the 32-bit Windows cross build needs: the mingw-w64 i686
# compilers, Wine with its 32-bit half, and Expat's sources from Debian's
# source package (GoogleTest's sources come with libgtest-dev). Packages already
# present are left alone; the Expat sources are fetched once into build/_deps.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 wine64 googletest xz-utils)
deps_dir=build/_deps
expat_dir=$deps_dir/expat-2.5.0

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

updated=0
if ((${#missing[@]} > 0)); then
  need_root "install: ${missing[*]}"
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  add_deb_src
  apt-get update -qq
  updated=1
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [[ ! -f $expat_dir/expat/lib/expat.h ]]; then
  add_deb_src
  if ((updated == 0)); then
    need_root "refresh the package lists for Expat's sources"
    apt-get update -qq
  fi
  mkdir -p "$deps_dir/download"
  (cd "$deps_dir/download" && apt-get source --download-only expat)
  tarball=$(ls "$deps_dir"/download/expat_2.5.0.orig.tar.* | head -n 1)
  rm -rf "$expat_dir"
  mkdir -p "$expat_dir"
  tar -xf "$tarball" -C "$expat_dir" --strip-components=1
  # Debian's own fixes to 2.5.0 go on top of the upstream release.
  debian_tarball=$(ls "$deps_dir"/download/expat_2.5.0-*.debian.tar.* | head -n 1)
  tar -xf "$debian_tarball" -C "$expat_dir"
  if [[ -f $expat_dir/debian/patches/series ]]; then
    while read -r patch; do
      [[ -z $patch || $patch == \#* ]] && continue
      patch -d "$expat_dir" -p1 --quiet <"$expat_dir/debian/patches/$patch"
    done <"$expat_dir/debian/patches/series"
  fi
  # Those fixes test `XML_DTD == 1`, as Debian's autotools build defines it;
  # the CMake build's configuration header must say the same.
  sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$expat_dir/expat/expat_config.h.cmake"
fi
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
echo "Windows cross-build dependencies are in place (Expat sources: $expat_dir)"
