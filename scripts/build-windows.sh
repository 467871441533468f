#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows into build-windows/: the layer
# libraries, brelosta.exe (the window), brelosta-cli.exe and the test
# executables, all linked statically, then the installer
# build-windows/brelosta-VERSION-setup.exe. Installs the Debian packages it
# needs when they are missing.
# Extra arguments go to CMake's configure step (e.g. -DBRELOSTA_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

brelosta_install_packages "${BRELOSTA_WINDOWS_PACKAGES[@]}"
brelosta_build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DBRELOSTA_QT=OFF "$@"
cmake --build build-windows --target installer
