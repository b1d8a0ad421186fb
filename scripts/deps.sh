#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation poppler-utils qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
          # the desktop integration's checks, the installed tree under Xvfb, and the Debian package
          desktop-file-utils appstream libxml2-utils shared-mime-info man-db xvfb xdotool x11-utils
          dpkg-dev file lintian)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
