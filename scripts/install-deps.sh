#!/usr/bin/env bash
# Installs the Debian packages that the build, the programs and the tests need,
# and only those that are missing, so a second run costs a dpkg query.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev
  qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils imagemagick poppler-utils socat ripgrep grep
  fonts-dejavu-core
  help2man desktop-file-utils appstream dpkg-dev file man-db lintian
  libcli11-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  systemd shared-mime-info xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
