# Sourced by the install scripts. missing_packages PACKAGE... prints, one per
# line, those of the Debian packages given that are not installed.
missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}
