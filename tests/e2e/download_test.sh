#!/usr/bin/env bash
# The download as a user gets it: packs the zip twice around a fresh link and resource
# compile (the two must be the same bytes), checks that it holds exactly pelgra.exe (the
# tested one, stripped) and README.txt, unpacks it and runs the end-to-end driver on the
# unpacked program from a folder it really cannot write, as under Program Files.
#   download_test.sh SOURCE_DIR BUILD_DIR VERSION PROGRAM RESOURCE_OBJECT DRIVER [ARGS...]
# As root, permission bits stop no write: the program's folder is seen through a
# read-only bind mount in a mount namespace of its own (root needs none of its own:
# others get one through a user namespace). Wine's server opens files itself, so the
# server of the prefix is stopped first and runs inside that namespace.
set -u
source_dir=$1 build_dir=$2 version=$3 program=$4 resource=$5
shift 5
source "$source_dir/tools/setup.sh"

work=$(mktemp -d /tmp/pelgra-download.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
zip_name="pelgra-$version-win64.zip"

pelgra_pack "$build_dir" "$work/first" || fail "packing"
# A second build of the same sources: a new link and resource compile, later file times.
rm -f "$program" "$resource"
sleep 1
cmake --build "$build_dir" --target pelgra >"$work/rebuild.log" 2>&1 || { cat "$work/rebuild.log"; fail "rebuilding"; }
pelgra_pack "$build_dir" "$work/second" || fail "packing again"
cmp "$work/first/$zip_name" "$work/second/$zip_name" || fail "two builds of one commit differ"

mkdir -p "$work/writable/pelgra" "$work/readonly"
python3 - "$work/first/$zip_name" "$program" "$work/writable/pelgra" <<'PY' || fail "the zip's contents"
import struct, sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = sorted(archive.namelist())
if names != ["README.txt", "pelgra.exe"]:
    sys.exit(f"entries: {names}")
exe = archive.read("pelgra.exe")
if exe != open(sys.argv[2], "rb").read():
    sys.exit("pelgra.exe is not the tested program")
header = struct.unpack_from("<I", exe, 0x3C)[0]
if exe[header:header + 4] != b"PE\0\0" or struct.unpack_from("<II", exe, header + 12) != (0, 0):
    sys.exit("pelgra.exe is not stripped")
archive.extractall(sys.argv[3])
PY

wineserver -k >/dev/null 2>&1
wineserver -w
namespace=(unshare -m)
[ "$(id -u)" -ne 0 ] && namespace=(unshare -r -m)
PELGRA_E2E_PROGRAM="Z:$work/writable/pelgra/" PELGRA_E2E_PROGRAM_RO="Z:$work/readonly/pelgra/" \
  "${namespace[@]}" bash -c '
    mount --bind "$1/writable" "$1/readonly" && mount -o remount,bind,ro "$1/readonly" || exit 1
    touch "$1/readonly/pelgra/probe" 2>/dev/null && { echo "FAILED: the folder is writable"; exit 1; }
    shift
    wine "$@"
    status=$?
    wineserver -k >/dev/null 2>&1
    wineserver -w
    exit $status' bash "$work" "$@"
