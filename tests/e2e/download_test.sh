#!/usr/bin/env bash
# The download: packs the zip twice around a fresh link and resource compile (the same
# bytes both times), checks that it holds exactly the tested pelgra.exe and README.txt,
# and runs the driver on the unpacked program in a folder it really cannot write.
#   download_test.sh SOURCE_DIR BUILD_DIR VERSION PROGRAM RESOURCE_OBJECT DRIVER [ARGS...]
# Root ignores permission bits, so the folder is seen through a read-only bind mount in
# a mount namespace of its own (others get one in a user namespace). Wine's server opens
# files itself: the prefix's server is stopped first and runs inside the namespace.
set -u
source_dir=$1 build_dir=$2 zip=pelgra-$3-win64.zip program=$4 resource=$5
shift 5
source "$source_dir/tools/setup.sh"
work=$(mktemp -d /tmp/pelgra-download.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

pelgra_pack "$build_dir" "$work/first" || fail "packing"
rm -f "$program" "$resource"
sleep 1  # later file times
cmake --build "$build_dir" --target pelgra >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "rebuilding"; }
pelgra_pack "$build_dir" "$work/second" || fail "packing again"
cmp "$work/first/$zip" "$work/second/$zip" || fail "two builds of one commit differ"

mkdir -p "$work/writable/pelgra" "$work/readonly"
python3 - "$work/first/$zip" "$program" "$work/writable/pelgra" <<'PY' || fail "the zip's contents"
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
if sorted(archive.namelist()) != ["README.txt", "pelgra.exe"]:
    sys.exit(f"entries: {archive.namelist()}")
if archive.read("pelgra.exe") != open(sys.argv[2], "rb").read():
    sys.exit("pelgra.exe is not the tested program")
archive.extractall(sys.argv[3])
PY

wineserver -k >/dev/null 2>&1
wineserver -w
namespace=(unshare -m)
[ "$(id -u)" -ne 0 ] && namespace=(unshare -r -m)
PELGRA_E2E_PROGRAM="Z:$work/writable/pelgra/" PELGRA_E2E_PROGRAM_RO="Z:$work/readonly/pelgra/" "${namespace[@]}" bash -c '
  mount --bind "$1/writable" "$1/readonly" && mount -o remount,bind,ro "$1/readonly" || exit 1
  touch "$1/readonly/pelgra/probe" 2>/dev/null && { echo "FAILED: the folder is writable"; exit 1; }
  shift
  wine "$@"
  status=$?
  wineserver -k >/dev/null 2>&1
  wineserver -w
  exit $status' bash "$work" "$@"
