#!/usr/bin/env bash
# Builds the Debian package dist/brelosta_VERSION_ARCH.deb from a release
# build (the version is the project's, from CMakeLists.txt; the
# dependencies are computed from the binaries by dpkg-shlibdeps) and checks
# it with lintian, which must find no error.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

brelosta_install_packages
brelosta_install_packages dpkg-dev binutils file lintian desktop-file-utils

# Debian's hardening flags (fortified functions, stack protector, read-only
# relocations bound at start).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
brelosta_build build-package -DBRELOSTA_WERROR=ON -DBRELOSTA_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
desktop-file-validate packaging/brelosta.desktop
rm -f dist/brelosta_*.deb
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls dist/brelosta_*.deb)
lintian --fail-on error --tag-display-limit 0 "$package"
echo "Paquete: $package"
