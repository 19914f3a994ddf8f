#!/usr/bin/env bash
# Installs what the project needs on a Debian 12 machine (as root), only what is missing.
set -euo pipefail
PKGS=(cmake g++ make pkg-config
      qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttranslations5-l10n
      libgtest-dev libgmock-dev googletest libbenchmark-dev
      p7zip-full poppler-utils xvfb xauth fonts-dejavu-core locales libx11-dev
      clang-format)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# A German locale, so that the tests can prove that files do not depend on it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  if ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq locales
  fi
  $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
