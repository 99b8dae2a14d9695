# Sourced by ./run, ./test, ./bench and tools/fuzz: installs the Debian packages
# the project needs when any is missing (through sudo when not root), then
# configures and builds the two trees.
#   pelgra_setup              install what is missing
#   pelgra_build host|win [target...]

PELGRA_PACKAGES=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev python3
  g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 xvfb xauth fonts-nanum
  pulseaudio pulseaudio-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good
)

pelgra_setup() {
  local missing=() package
  for package in "${PELGRA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

pelgra_build() {
  local tree=$1
  shift
  local dir="build/$tree" args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  [ "${CI:-}" = true ] && args+=(-DPELGRA_WERROR=ON)
  if [ "$tree" = host ]; then
    args+=(-DCMAKE_CXX_COMPILER=clang++)
  else
    args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake)
  fi
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${args[@]}" >"build/configure-$tree.log" 2>&1 ||
      { cat "build/configure-$tree.log"; return 1; }
  fi
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$dir" -j2 "${targets[@]}"
}
