#!/usr/bin/env bash
# The real program on a laptop's 1366 x 768 screen: the driver runs on a private
# virtual display of that size, in a copy of the Wine prefix (tools/wine-dpi).
#   fit_test.sh SOURCE_DIR BUILD_DIR VERSION PROGRAM RESOURCE_OBJECT DRIVER [ARGS...]
set -u
source_dir=$1
shift 5
bash "$source_dir/tools/wine-dpi" 96 1366x768 "$@"
