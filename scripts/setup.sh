#!/usr/bin/env bash
# Installs what Tablevane needs to build, test, package and run on Debian 12, skipping
# what is already there. Runs apt-get as root (through sudo when needed). The Qt line:
# ICU's headers, whose charset detector reads language files written in a Windows code
# page, and Qt's own translations for the buttons of its dialogs. The help line:
# chmlib, which the help window reads compiled help files with, the compiler of the
# user's guide (chmcmd), and the locale sources a test builds a Windows-1251 locale from.
# The Windows line: the MinGW-w64 cross compiler, Wine and doctest, for the Windows build
# of the Excel and Word adapters and its tests. The last line: the validators of the
# desktop files, and what cpack needs to compute the Debian package's library
# dependencies.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libicu-dev qt6-translations-l10n
    clang libclang-rt-14-dev
    libreoffice-calc-nogui libreoffice-dev libreoffice-base-drivers libjemalloc2
    fonts-dejavu-core fonts-liberation fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
    xvfb xauth python3
    libchm-dev fp-utils locales
    g++-mingw-w64-x86-64-win32 wine wine64 doctest-dev
    desktop-file-utils appstream libxml2-utils shared-mime-info file dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "setup: everything is installed"
    exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
    sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
# Without recommends: LibreOffice's recommends pull in Java and a database server.
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
