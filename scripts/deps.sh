#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this
# machine lacks. Safe to run again: it installs nothing that is already there.
#
#   scripts/deps.sh           the build and the quick test run
#   scripts/deps.sh --orca    also the screen reader and its speech server, which only
#                             the thorough run's test of what a blind player hears needs
set -euo pipefail

packages=(
  build-essential cmake pkg-config libsodium-dev
  qt6-base-dev qt6-multimedia-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  fonts-wine xvfb xauth xdotool x11-utils
  dbus dbus-daemon at-spi2-core python3 python3-gi python3-pyatspi
  clang clang-tidy clang-format cppcheck libclang-rt-14-dev
  dpkg-dev lintian desktop-file-utils appstream
)
case "${1:-}" in
  "") ;;
  --orca) packages+=(orca speech-dispatcher python3-speechd) ;;
  *) echo "usage: scripts/deps.sh [--orca]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
