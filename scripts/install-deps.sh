#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and any
# further Debian packages named as arguments. python3-markdown makes the
# user guide's HTML page; the tests read PDF files with poppler-utils'
# pdftotext, Japanese notes included (fonts-ipafont-gothic).
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev
          libgl-dev xvfb xauth python3 python3-markdown poppler-utils
          fonts-ipafont-gothic "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
