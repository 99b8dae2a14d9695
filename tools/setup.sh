# Sourced by ./run, ./test, ./bench, tools/fuzz and tools/release: installs the Debian
# packages the project needs when any is missing (through sudo when not root), then
# configures and builds the two trees.
#   pelgra_setup              install what is missing
#   pelgra_build host|win [target...]
#   pelgra_pack TREE OUTDIR   the download zip of a built Windows tree

PELGRA_PACKAGES=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev python3
  g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 xvfb xauth fonts-nanum
  pulseaudio pulseaudio-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good fakeroot
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
  # The Windows tree builds the program as it ships, so the tests run the released exe.
  local dir="build/$tree" type=RelWithDebInfo args=()
  [ "$tree" = win ] && type=Release
  args+=(-DCMAKE_BUILD_TYPE=$type)
  [ "${CI:-}" = true ] && args+=(-DPELGRA_WERROR=ON)
  if [ "$tree" = host ]; then
    args+=(-DCMAKE_CXX_COMPILER=clang++)
  else
    args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake)
  fi
  if [ ! -f "$dir/CMakeCache.txt" ] || ! grep -qx "CMAKE_BUILD_TYPE:STRING=$type" "$dir/CMakeCache.txt"; then
    cmake -S . -B "$dir" "${args[@]}" >"build/configure-$tree.log" 2>&1 ||
      { cat "build/configure-$tree.log"; return 1; }
  fi
  local targets=()
  if [ $# -gt 0 ]; then
    targets=(--target "$@")
    # Named targets are looked up before the tree would regenerate itself: one that a
    # pulled change added must already be known.
    cmake "$dir" >>"build/configure-$tree.log" 2>&1 || { cat "build/configure-$tree.log"; return 1; }
  fi
  cmake --build "$dir" -j2 "${targets[@]}"
}

# One commit always packs the same bytes: the commit's time as every file time, read in
# UTC, and owner 0 in the entries whoever packs (the archive records the packer's ids).
pelgra_pack() {
  local epoch as=()
  mkdir -p "$2" || return 1
  epoch=$(git -C "$(dirname "${BASH_SOURCE[0]}")" log -1 --format=%ct 2>/dev/null) || epoch=315532800
  [ "$(id -u)" -ne 0 ] && as=(fakeroot)
  SOURCE_DATE_EPOCH=$epoch TZ=UTC "${as[@]}" cpack -G ZIP --config "$1/CPackConfig.cmake" -B "$2" >"$2/cpack.log" 2>&1 ||
    { cat "$2/cpack.log"; return 1; }
}
