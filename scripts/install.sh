#!/usr/bin/env bash
# `make install`: CMake's install rules (prefix /usr/local unless the build was
# configured with another CMAKE_INSTALL_PREFIX; DESTDIR honoured). Installed
# for real, the desktop's file types and menu and udev's rules are refreshed,
# as the Debian package's triggers and scripts do for /usr.
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' build/CMakeCache.txt)
if [ -z "${DESTDIR:-}" ] && [ -d "$prefix" ] && [ ! -w "$prefix" ]; then
  echo "Installing into $prefix needs root. Run: sudo make install" >&2
  exit 1
fi

cmake --install build
[ -z "${DESTDIR:-}" ] || exit 0

if [ -d "$prefix/share/mime/packages" ] && command -v update-mime-database >/dev/null 2>&1; then
  update-mime-database "$prefix/share/mime"
fi
if [ -d "$prefix/share/applications" ] && command -v update-desktop-database >/dev/null 2>&1; then
  update-desktop-database -q "$prefix/share/applications"
fi
if [ -d "$prefix/lib/udev/rules.d" ]; then
  if [ -S /run/udev/control ] && command -v udevadm >/dev/null 2>&1; then
    # An instrument already plugged in gets the new permission without replugging.
    udevadm control --reload-rules
    udevadm trigger --subsystem-match=hidraw
    echo "Reloaded the udev rules"
  else
    echo "udev is not running here: the instrument's rule takes effect when it starts"
  fi
fi
