#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those that are missing.
# Safe to run again: with everything present it changes nothing and asks no package server.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-serialport-dev
    nettle-dev libxlsxwriter-dev libminizip-dev libpugixml-dev
    poppler-utils
    # Survey-grade distances on the WGS84 ellipsoid.
    libgeographiclib-dev
    # Charts of a race on screen and in published pages.
    qt6-charts-dev qt6-svg-dev
    # Qt Charts' build files need the OpenGL module's, which Debian does not pull in with it.
    libqt6opengl6-dev
    # Translations of the interface, compiled by the build.
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    # Qt's own dialogs (file, print, buttons) in the club's language.
    qt6-translations-l10n
    # A real browser to check the published pages render.
    chromium
    xvfb xauth
    # The accessibility bus and its Python bindings: a test reads what a screen reader finds.
    at-spi2-core python3-pyatspi dbus
    # Glyphs for the full-width marks of some of the program's messages ("success ！！").
    fonts-wqy-microhei
    # The club database on a PostgreSQL server: Qt's driver, and a private server for the tests.
    postgresql libqt6sql6-psql
    # The live board on the club's network, and the QR code of its address on Home.
    # (Debian 12's HTTP server build files need the WebSockets ones, which it does not pull in.)
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
)
if [ "${KESTRAVA_WITH_CLANG:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
