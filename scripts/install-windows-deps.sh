#!/usr/bin/env bash
# Installs what the 32-bit Windows cross build needs: the mingw-w64 i686
# compilers, and the sources of Expat, zlib and libpng from Debian's source
# packages (GoogleTest's sources come with googletest). Wine, which only the
# tests need, is scripts/install-wine.sh's. Packages already present are left
# alone; the sources are fetched once into build/_deps.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 googletest xz-utils)
deps_dir=build/_deps

source scripts/apt-packages.sh
mapfile -t missing < <(missing_packages "${packages[@]}")

need_root() {
  if [[ $(id -u) -ne 0 ]]; then
    echo "error: run as root (or with sudo) to $1" >&2
    exit 1
  fi
}

# The source-package entries mirror the machine's own binary entries, so the
# sources come from wherever its packages do.
deb_src_list=/etc/apt/sources.list.d/atelier-deb-src.sources
add_deb_src() {
  has_source_entries && return 0
  need_root "add source-package entries for Expat's sources"
  source_entries >"$deb_src_list"
  if [[ ! -s $deb_src_list ]]; then
    rm -f "$deb_src_list"
    echo "error: the machine's apt sources have no binary entry to take source-package entries from" >&2
    exit 1
  fi
}

lists_updated=0
if ((${#missing[@]} > 0)); then
  need_root "install: ${missing[*]}"
  echo "Installing: ${missing[*]}"
  add_deb_src
  refresh_package_lists
  lists_updated=1
  if ! install_packages "${missing[@]}"; then
    echo "error: the Windows cross build cannot be set up without the packages above" >&2
    exit 1
  fi
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
    refresh_package_lists
    lists_updated=1
  fi
  mkdir -p "$deps_dir/download"
  # A mirror can list a version whose files it does not have (yet): each
  # version the lists name is tried, newest first.
  local version fetched=0
  while read -r version; do
    rm -f "$deps_dir"/download/"${package}"_*
    if (cd "$deps_dir/download" && apt-get source -qq --download-only "$package=$version"); then
      fetched=1
      break
    fi
    echo "warning: the sources of $package $version cannot be fetched; trying an older version" >&2
  done < <(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV | uniq)
  if ((fetched == 0)); then
    echo "error: cannot fetch the sources of $package in any version the package lists name" >&2
    exit 1
  fi
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
echo "Windows cross-build dependencies are in place (sources in $deps_dir)"
