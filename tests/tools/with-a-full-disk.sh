#!/bin/sh
# with-a-full-disk.sh FILLER_BYTES SCRIPT [ARG...]: runs the shell SCRIPT with
# $disk naming a fresh folder on a 16 KiB file system of its own (a tmpfs in a
# private mount namespace, gone with the script) that already holds a file of
# FILLER_BYTES bytes. Exits 77, which the test takes as skipped, where no file
# system can be mounted: that takes root on Linux.
set -u
if [ "${WITH_A_FULL_DISK:-}" != 1 ]; then
  unshare -m true 2>/dev/null || { echo "no mount namespace here"; exit 77; }
  WITH_A_FULL_DISK=1 exec unshare -m sh "$0" "$@"
fi
disk=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rmdir "$disk"' EXIT
mount -t tmpfs -o size=16k tmpfs "$disk" || { echo "cannot mount a tmpfs here"; exit 77; }
head -c "$1" /dev/zero > "$disk/filler"
script=$2
shift 2
export disk
sh -c "$script" sh "$@"
