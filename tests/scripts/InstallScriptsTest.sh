#!/usr/bin/env bash
# Runs the install scripts against fakes of apt-get, dpkg, dpkg-query and id:
# how scripts/install-wine.sh answers ATELIER_WINE and a registry that refuses
# Wine, how the apt helpers live with a partial list refresh and name a package
# apt will not install, and which source-package entries they derive from a
# machine's apt sources.
set -uo pipefail
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fakes=$work/fakes
mkdir -p "$fakes"
export FAKE_LOG=$work/calls.log

# apt-get: FAKE_UPDATE=partial fails one index as a mirror in sync does;
# FAKE_REFUSE lists the packages it cannot install, with apt's words for it.
cat >"$fakes/apt-get" <<'FAKE'
#!/bin/sh
echo "apt-get $*" >>"$FAKE_LOG"
case $1 in
  update)
    if [ "${FAKE_UPDATE-}" = partial ]; then
      echo "E: Failed to fetch i386/Packages  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
      exit 100
    fi
    ;;
  install)
    for argument in "$@"; do
      for refused in ${FAKE_REFUSE-}; do
        if [ "$argument" = "$refused" ]; then
          echo "The following packages have unmet dependencies:"
          echo " $refused : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
          echo "E: Unable to correct problems, you have held broken packages." >&2
          exit 100
        fi
      done
    done
    ;;
esac
exit 0
FAKE
cat >"$fakes/dpkg-query" <<'FAKE'
#!/bin/sh
exit 1
FAKE
cat >"$fakes/dpkg" <<'FAKE'
#!/bin/sh
echo "dpkg $*" >>"$FAKE_LOG"
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
FAKE
cat >"$fakes/id" <<'FAKE'
#!/bin/sh
echo 0
FAKE
chmod +x "$fakes"/*
export PATH=$fakes:$PATH

passed=0 failed=0
check() { # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
    echo "  stdout: $(cat "$work/out")"
    echo "  stderr: $(cat "$work/err")"
  fi
}
contains() { grep -qF -- "$2" "$1"; }
run_install_wine() { # run_install_wine MODE: status in $status
  : >"$FAKE_LOG"
  ATELIER_WINE=$1 "$scripts/install-wine.sh" >"$work/out" 2>"$work/err"
  status=$?
}

# ATELIER_WINE=never skips at once and asks apt nothing.
run_install_wine never
check "never skips" test "$status" -eq 3
check "never says why" contains "$work/out" "ATELIER_WINE=never"
check "never installs nothing" test ! -s "$FAKE_LOG"

# An unknown value is a usage error.
run_install_wine sometimes
check "unknown mode is a usage error" test "$status" -eq 2
check "unknown mode is named" contains "$work/err" "'sometimes'"

# A registry out of sync: the refresh fails for one index, then apt refuses
# wine32:i386. The default mode skips, naming the package and apt's reason.
export FAKE_UPDATE=partial FAKE_REFUSE=wine32:i386
run_install_wine auto
check "refused Wine is skipped" test "$status" -eq 3
check "the skip names the package" contains "$work/out" "wine32:i386 cannot be installed"
check "the skip gives apt's reason" contains "$work/out" "held broken packages"
check "the skip blames the refresh" contains "$work/out" "registry may be out of sync"
check "the partial refresh is a warning" contains "$work/err" "warning: apt-get update failed"
check "the refresh went on to the install" contains "$FAKE_LOG" "apt-get install -y"

# ATELIER_WINE=always makes the same refusal a failure.
run_install_wine always
check "always fails when refused" test "$status" -eq 1
check "always names the package" contains "$work/err" "cannot install wine32:i386"

# The apt helpers: a partial refresh does not stop an install that works, and
# a refused package is named among those asked for.
source "$scripts/apt-packages.sh"
export FAKE_REFUSE=
refresh_package_lists 2>"$work/err"
check "a partial refresh returns" test $? -eq 0
install_packages cmake ninja-build >"$work/out" 2>"$work/err"
check "packages that can be had install" test $? -eq 0
export FAKE_REFUSE=libfoo-dev
install_packages cmake libfoo-dev >"$work/out" 2>"$work/err"
check "a refused package fails the install" test $? -eq 1
check "the refused package is named" contains "$work/err" "cannot install libfoo-dev: libfoo-dev : Depends:"
check "packages apt would take are not named" test "$(grep -c cmake "$work/err")" -eq 0

# Source-package entries follow the machine's own binary entries, in both
# forms, and leave out disabled ones.
apt_dir=$work/apt
mkdir -p "$apt_dir/sources.list.d"
cat >"$apt_dir/sources.list.d/main.sources" <<'SOURCES'
# a comment
Types: deb
URIs: http://mirror.test/debian
Suites: stable stable-updates
Components: main contrib
Signed-By: /usr/share/keyrings/archive.gpg

Types: deb
Enabled: no
URIs: http://disabled.test/debian
Suites: stable
Components: main
SOURCES
echo "deb [arch=amd64 signed-by=/etc/keys/security.gpg] http://security.test/debian stable-security main" \
  >"$apt_dir/sources.list"
source_entries "$apt_dir" >"$work/out"
cat >"$work/expected" <<'EXPECTED'
Types: deb-src
URIs: http://mirror.test/debian
Suites: stable stable-updates
Components: main contrib
Signed-By: /usr/share/keyrings/archive.gpg

Types: deb-src
URIs: http://security.test/debian
Suites: stable-security
Components: main
Signed-By: /etc/keys/security.gpg

EXPECTED
: >"$work/err"
check "source entries mirror the binary ones" cmp -s "$work/out" "$work/expected"
has_source_entries "$apt_dir"
check "no source entry yet" test $? -ne 0
echo "deb-src http://mirror.test/debian stable main" >>"$apt_dir/sources.list"
has_source_entries "$apt_dir"
check "a source entry is found" test $? -eq 0

echo "install scripts: $passed passed, $failed failed"
((failed == 0))
