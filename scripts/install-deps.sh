#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and any
# further Debian packages named as arguments. python3-markdown makes the
# user guide's HTML page; the tests read PDF files with poppler-utils'
# pdftotext, Japanese notes included (fonts-ipafont-gothic); clang-format
# checks that the sources are formatted; lld links the many test programs
# faster; qt6-translations-l10n gives the standard buttons and dialogs the
# user's language; qt6-tools-dev and qt6-l10n-tools build the program's own
# translations (lupdate, lrelease).
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev
          libicu-dev libgl-dev xvfb xauth python3 python3-markdown poppler-utils
          fonts-ipafont-gothic clang-format lld
          qt6-translations-l10n qt6-tools-dev qt6-l10n-tools "$@")
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# A machine whose package installation was interrupted earlier (a half
# configured package, triggers still pending) refuses every apt-get until the
# configuration is finished; finish it first, as apt-get's message asks.
if [ -n "$(dpkg --audit 2>/dev/null)" ]; then
    echo "install-deps: finishing an interrupted package installation (dpkg --configure -a)"
    "${sudo_cmd[@]}" dpkg --configure -a
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq -o DPkg::Lock::Timeout=300 "${missing[@]}"
fi
