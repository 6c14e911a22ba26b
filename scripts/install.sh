#!/usr/bin/env bash
# Installs the udev rule that lets a logged-in user open the instrument, and
# the built program. Needs root; as another user it says what to run.
set -euo pipefail
cd "$(dirname "$0")/.."

rule=packaging/linux/70-kav-instrument.rules
rules_dir=${KAV_UDEV_RULES_DIR:-/etc/udev/rules.d}
bin_dir=${KAV_BIN_DIR:-/usr/local/bin}

if [ "$(uname)" != Linux ]; then
  echo "Nothing to install on $(uname): the udev rule is for Linux only."
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Installing needs root. Run: sudo make install" >&2
  exit 1
fi

install -D -m 0644 "$rule" "$rules_dir/$(basename "$rule")"
echo "Installed $rules_dir/$(basename "$rule")"
if command -v udevadm >/dev/null 2>&1 && [ -d /run/udev ]; then
  udevadm control --reload-rules
  udevadm trigger --subsystem-match=hidraw
  echo "Reloaded the udev rules"
else
  echo "udev is not running here: the rule takes effect at the next boot"
fi

if [ -x build/app/kav ]; then
  install -D -m 0755 build/app/kav "$bin_dir/kav"
  echo "Installed $bin_dir/kav"
fi
