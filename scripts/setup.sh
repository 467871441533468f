# Shared set-up of ./run and ./test: installs the Debian packages that are
# missing (as root, or through sudo) and builds the project with CMake.
# Sourced, not run.

BRELOSTA_PACKAGES=(
  g++ cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libgeographiclib-dev proj-bin time
  clang libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n
  xvfb xauth
  desktop-file-utils xdg-user-dirs
  gdal-bin python3-ezdxf libxml2-utils
  libreoffice-calc-nogui python3-openpyxl
)

# The Windows cross build (scripts/build-windows.sh): MinGW-w64 with POSIX
# threads, Wine to run what it builds (the window's tests on a virtual
# display, where xwininfo finds the installed program's window), and NSIS for
# the installer.
BRELOSTA_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix googletest
  wine wine64 xvfb xauth x11-utils
  nsis
)

# brelosta_install_packages [PACKAGE...]: installs those of the given
# packages (by default the project's usual list) that are missing.
brelosta_install_packages() {
  (($# > 0)) || set -- "${BRELOSTA_PACKAGES[@]}"
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Instalando paquetes de Debian: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
}

# brelosta_wine: Wine for the Windows build's programs, quiet, with a prefix
# of its own (build-windows/wineprefix, made on first use; no display
# needed, nothing offered for download).
brelosta_wine() {
  export WINEPREFIX="$PWD/build-windows/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparando Wine en $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
  fi
}

# brelosta_build DIR [CMAKE OPTIONS...]
brelosta_build() {
  local dir="$1"
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
