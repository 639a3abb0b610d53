#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Only missing packages are installed; apt-get update runs once when needed.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-image-formats-plugins
  postgresql
  qt6-translations-l10n qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  libxlsxwriter-dev libjpeg62-turbo-dev unzip qtkeychain-qt6-dev libicu-dev
  fonts-wqy-microhei adwaita-icon-theme
  clang libclang-rt-14-dev
  desktop-file-utils appstream
  fcitx5-frontend-qt6 ibus
  xvfb xauth
  tidy chromium poppler-utils
  qt6-declarative-dev qt6-quick3d-dev qt6-shadertools-dev qml6-module-quick3d qml6-module-qtquick qml6-module-qtqml-workerscript libqt6quickwidgets6
  libgl1-mesa-dri libegl-mesa0 libtinygltf-dev assimp-utils
  libdxflib-dev python3-ezdxf
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

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
