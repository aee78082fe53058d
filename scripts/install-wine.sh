#!/usr/bin/env bash
# Makes Wine with its 32-bit half ready to run the Windows build's tests:
# installs wine, wine32:i386 and wine64 (adding the i386 architecture) where
# they are missing and, where the kernel runs no 32-bit code, lets qemu-user
# run Wine's 32-bit half.
#
# ATELIER_WINE says how much Wine matters:
#   auto    (default) use Wine when it is installed or can be installed;
#   always  Wine must be had: when it cannot, that is a failure;
#   never   do not use Wine, and install nothing.
#
# Exit status: 0 when Wine is ready; 3 when the tests under Wine are to be
# skipped, with the reason on standard output in one line (the registry
# refuses a package, or ATELIER_WINE=never); 1 on any other failure, and 2 for
# a value of ATELIER_WINE it does not know.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt-packages.sh

mode=${ATELIER_WINE:-auto}
case $mode in
  auto | always) ;;
  never)
    echo "ATELIER_WINE=never"
    exit 3
    ;;
  *)
    echo "error: ATELIER_WINE must be auto, always or never, not '$mode'" >&2
    exit 2
    ;;
esac

need_root() {
  if [[ $(id -u) -ne 0 ]]; then
    echo "error: run as root (or with sudo) to $1" >&2
    exit 1
  fi
}

# unavailable REASON: what follows from packages the registry will not give.
unavailable() {
  if ((package_lists_incomplete)); then
    set -- "$1 (some package indexes failed to refresh: the registry may be out of sync)"
  fi
  if [[ $mode == always ]]; then
    echo "error: $1, and ATELIER_WINE=always" >&2
    exit 1
  fi
  echo "$1"
  exit 3
}

# install PACKAGE...: installs those of the packages that are missing, or says
# which one the registry refuses.
install() {
  local missing log
  mapfile -t missing < <(missing_packages "$@")
  ((${#missing[@]} > 0)) || return 0
  need_root "install: ${missing[*]}"
  echo "Installing: ${missing[*]}" >&2
  log=$(mktemp)
  refresh_package_lists
  if ! install_packages "${missing[@]}" 2>"$log"; then
    cat "$log" >&2
    unavailable "$(head -n 1 "$log" | sed 's/^cannot install \([^ ]*\): /\1 cannot be installed: /')"
  fi
  rm -f "$log"
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root "add the i386 architecture for Wine's 32-bit half"
  dpkg --add-architecture i386
fi
install wine wine32:i386 wine64

# Wine's 32-bit half is a 32-bit Linux program. Where the kernel runs no 32-bit
# code (IA-32 emulation switched off), qemu-user runs it through binfmt_misc,
# with a small shim that lets Wine place its memory where it asks.
binfmt=/proc/sys/fs/binfmt_misc
shim_dir=build/_deps/wine-mmap-shim
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if ! runs_32bit; then
  need_root "let qemu-user run 32-bit programs"
  echo "This kernel runs no 32-bit programs: Wine's 32-bit half will run under qemu-user" >&2
  install qemu-user-static gcc-multilib
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
echo "Wine is ready to run the Windows build's tests" >&2
