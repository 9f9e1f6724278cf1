#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and demonstrates with.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  libxml2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libsimpleini-dev libxcb1-dev
  python3 python3-dbfread
  xvfb xauth xdotool x11-utils fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Instalando paquetes: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
