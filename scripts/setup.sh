#!/usr/bin/env bash
# Installs what the build needs, when it is missing (Debian 12, as root).
set -euo pipefail

# The user interface: Qt 6 Widgets and Test (qt6-base-dev), its moc
# (qt6-base-dev-tools), OpenGL headers that Qt's CMake files ask for; Xvfb
# and a Japanese font for screenshots of the editor.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
          python3-jsonschema git qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth fonts-noto-cjk)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
