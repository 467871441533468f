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
)

brelosta_install_packages() {
  brelosta_install "${BRELOSTA_PACKAGES[@]}"
}

# brelosta_install PACKAGE...: installs those of the packages that are missing.
brelosta_install() {
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

# brelosta_build DIR [CMAKE OPTIONS...]
brelosta_build() {
  local dir="$1"
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
