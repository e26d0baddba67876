# Sourceable: installs what the build and the tests need, and builds both
# trees. Used by scripts/test and scripts/demo.

VANTOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VANTOR_NATIVE_BUILD=${VANTOR_NATIVE_BUILD:-$VANTOR_ROOT/build/native}
VANTOR_WIN_BUILD=${VANTOR_WIN_BUILD:-$VANTOR_ROOT/build/win32}

VANTOR_PACKAGES=(
  cmake ninja-build g++ libgtest-dev python3
  g++-mingw-w64-i686 wine wine32 wine64 xvfb
  fonts-liberation fonts-wine fonts-wqy-microhei imagemagick x11-apps strace locales
  clang libclang-rt-dev
)

vantor_install_packages() {
  local missing=() pkg
  for pkg in "${VANTOR_PACKAGES[@]}"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

vantor_build() {
  cmake -S "$VANTOR_ROOT" -B "$VANTOR_NATIVE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$VANTOR_NATIVE_BUILD" -j2 &&
    cmake -S "$VANTOR_ROOT" -B "$VANTOR_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$VANTOR_ROOT/cmake/mingw-i686.cmake" >/dev/null &&
    cmake --build "$VANTOR_WIN_BUILD" -j2
}
