#!/usr/bin/env bash
# Installs the Debian packages that building, testing, packaging and running
# need.
# Only what is missing is installed; as a non-root user it prints the command
# to run and fails, so nothing half-installs.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-qpa-plugins libqt6svg6 libgl-dev libxkbcommon-dev
  libhidapi-dev
  libxlsxwriter-dev
  libsqlite3-dev libminizip-dev libexpat1-dev libpq-dev
  postgresql
  libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64 googletest wine64
  clang libclang-rt-14-dev clang-format clang-tidy libc++-dev libc++abi-dev
  fonts-dejavu-core fonts-liberation fonts-wqy-microhei
  poppler-utils python3-openpyxl locales
  librsvg2-bin dpkg-dev shared-mime-info
  desktop-file-utils appstream lintian file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
