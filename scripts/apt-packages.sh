# Sourced by the install scripts: which Debian packages are missing, refreshing
# the package lists, installing packages, and the source-package entries the
# Windows build needs. Every function works with the machine's own apt sources;
# none of them names a package host.

# missing_packages PACKAGE...: prints, one per line, those of the packages given
# that are not installed.
missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}

# refresh_package_lists: apt-get update. When some indexes fail (a mirror in
# the middle of a sync, say), the lists that did update and those already on
# the machine may still hold every package a script needs: the failure is
# printed as a warning and the script goes on; install_packages reports any
# package that then cannot be installed. After such a failure,
# package_lists_incomplete is 1.
package_lists_incomplete=0
refresh_package_lists() {
  local log
  log=$(mktemp)
  if ! apt-get update -qq >"$log" 2>&1; then
    package_lists_incomplete=1
    echo "warning: apt-get update failed for some package indexes; going on with the lists it has:" >&2
    grep -E '^(E|W|Err):' "$log" | sed 's/^/  /' >&2 || cat "$log" >&2
  fi
  rm -f "$log"
}

# apt_reason LOG: apt's own words for why it would not install, from its
# output in LOG, on one line.
apt_reason() {
  grep -E '^ .* : (Pre)?Depends: |^E: ' "$1" | sed -e 's/^ *//' -e 's/^E: //' | paste -sd ';' - | sed 's/;/; /g'
}

# install_packages PACKAGE...: installs the packages. When apt refuses, prints
# for each package it cannot install "cannot install PACKAGE: REASON" on
# standard error, with the reason apt gave, and returns 1.
install_packages() {
  local log package reason named=0 status=0
  log=$(mktemp)
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1 || status=$?
  if ((status == 0)); then
    rm -f "$log"
    return 0
  fi
  # Asked one at a time, apt names the package that cannot be had.
  for package in "$@"; do
    if ! apt-get install -s -qq --no-install-recommends "$package" >"$log" 2>&1; then
      reason=$(apt_reason "$log")
      echo "cannot install $package: ${reason:-apt-get refused it}" >&2
      named=1
    fi
  done
  if ((named == 0)); then
    DEBIAN_FRONTEND=noninteractive apt-get install -s -qq --no-install-recommends "$@" >"$log" 2>&1 || true
    reason=$(apt_reason "$log")
    echo "cannot install $*: ${reason:-apt-get failed with status $status}" >&2
  fi
  rm -f "$log"
  return 1
}

# has_source_entries [APT_DIR]: true when the apt sources under APT_DIR
# (default /etc/apt) already have an entry for source packages.
has_source_entries() {
  local apt_dir=${1:-/etc/apt}
  grep -qsE '^Types:.*\bdeb-src\b' "$apt_dir"/sources.list.d/*.sources && return 0
  grep -qsE '^[[:space:]]*deb-src[[:space:]]' "$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.list
}

# source_entries [APT_DIR]: prints, in the deb822 form, one source-package
# entry for every enabled binary entry of the apt sources under APT_DIR
# (default /etc/apt): the same URIs, suites, components and signing keys, with
# type deb-src. One-line entries ("deb [signed-by=KEY] URI SUITE COMPONENT...")
# are read too.
source_entries() {
  local apt_dir=${1:-/etc/apt} file
  for file in "$apt_dir"/sources.list.d/*.sources; do
    [[ -f $file ]] || continue
    awk '
      function flush() {
        if (types ~ /(^|[[:space:]])deb($|[[:space:]])/ && tolower(enabled) != "no" && uris != "") {
          printf "Types: deb-src\nURIs: %s\nSuites: %s\n", uris, suites
          if (components != "") printf "Components: %s\n", components
          if (signed != "") printf "Signed-By: %s\n", signed
          printf "\n"
        }
        types = uris = suites = components = signed = enabled = ""; key = ""
      }
      /^#/ { next }
      /^[[:space:]]*$/ { flush(); next }
      /^[[:space:]]/ { if (key == "signed-by") signed = signed "\n" $0; next }
      {
        key = tolower(substr($0, 1, index($0, ":") - 1))
        value = substr($0, index($0, ":") + 1); sub(/^[[:space:]]+/, "", value); sub(/[[:space:]]+$/, "", value)
        if (key == "types") types = value
        else if (key == "uris") uris = value
        else if (key == "suites") suites = value
        else if (key == "components") components = value
        else if (key == "signed-by") signed = value
        else if (key == "enabled") enabled = value
      }
      END { flush() }' "$file"
  done
  for file in "$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.list; do
    [[ -f $file ]] || continue
    awk '
      $1 != "deb" { next }
      {
        signed = ""; field = 2
        if ($2 ~ /^\[/) {
          while (field <= NF) {
            option = $field; gsub(/[][]/, "", option)
            if (option ~ /^signed-by=/) signed = substr(option, 11)
            if ($field ~ /\]$/) { field++; break }
            field++
          }
        }
        if (field + 1 > NF) next
        printf "Types: deb-src\nURIs: %s\nSuites: %s\n", $field, $(field + 1)
        components = ""
        for (i = field + 2; i <= NF; i++) components = components (components == "" ? "" : " ") $i
        if (components != "") printf "Components: %s\n", components
        if (signed != "") printf "Signed-By: %s\n", signed
        printf "\n"
      }' "$file"
  done
}
