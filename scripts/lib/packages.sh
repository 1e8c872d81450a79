# What building and running Varnex needs on Debian 12.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgif-dev libcli11-dev fonts-wine fonts-liberation2
  fonts-dejavu-core)

# EnsurePackages NAME...: installs the Debian packages that are missing. As root it uses
# apt-get; otherwise it prints the exact command and fails.
EnsurePackages() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  ((${#missing[@]} == 0)) && return 0
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages. Install them as root with:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    return 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}
