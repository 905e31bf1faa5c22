#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the game, the tests and the
# Debian package (scripts/package.sh, scripts/check-installed.sh) need
# (python3-distributed: the cluster labelling and its check; python3-torch:
# the fit of train/fit.py and its check), with sudo when
# not run as root:
#
#   scripts/install-deps.sh
set -euo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
packages=(cmake g++ make clang clang-format libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev zlib1g-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev python3 python3-distributed python3-torch
          dpkg-dev file desktop-file-utils appstream lintian man-db xvfb xdotool x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
