# Sourced by ./bench: what a stopped music player costs while the bar idles. Two
# copies of pelgra.exe run side by side without input, one bar holding a clock and
# the player, the other the clock alone; writes key=value lines of their CPU time
# (seconds) to the file $1. Needs the Wine environment of ./bench and run_idle.sh.
#   pelgra_bench_music_idle OUT WORKDIR SECONDS

pelgra_bench_music_ini() {  # FOLDER WIDGET_LINE...: a settings file as the program writes it (UTF-16LE)
  local folder=$1 i=0 line
  shift
  {
    printf '[main]\r\nwnum=%d\r\n' $#
    for line in "$@"; do
      printf 'widget_%d=%s\r\n' "$i" "$line"
      i=$((i + 1))
    done
    printf 'tnum=0\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$folder/pelgra.ini"
}

pelgra_bench_music_idle() {
  local out=$1 work=$2 seconds=$3
  local clock='시계§Clock§Clock_1§1§80§120§14020607§0§100'
  local player='음악 재생기§MusicPlayer§MusicPlayer§1§150§120§14474460§0§100'
  mkdir -p "$work/with-player" "$work/without-player"
  cp "$work/pelgra.exe" "$work/with-player/" && cp "$work/pelgra.exe" "$work/without-player/" || return 1
  pelgra_bench_music_ini "$work/with-player" "$clock" "$player"
  pelgra_bench_music_ini "$work/without-player" "$clock"
  wine "$work/with-player/pelgra.exe" >/dev/null 2>&1 &
  wine "$work/without-player/pelgra.exe" >/dev/null 2>&1 &
  local with without
  with=$(pelgra_wait_pid "$work/with-player/pelgra.exe") || { echo "pelgra.exe with the player did not start"; return 1; }
  without=$(pelgra_wait_pid "$work/without-player/pelgra.exe") || { echo "pelgra.exe without it did not start"; return 1; }
  sleep 5
  local w0 n0 w1 n1
  w0=$(pelgra_cpu_seconds "$with"); n0=$(pelgra_cpu_seconds "$without")
  sleep "$seconds"
  w1=$(pelgra_cpu_seconds "$with"); n1=$(pelgra_cpu_seconds "$without")
  {
    echo "seconds=$seconds"
    echo "with_cpu=$(awk "BEGIN { print $w1 - $w0 }")"
    echo "without_cpu=$(awk "BEGIN { print $n1 - $n0 }")"
  } >"$out"
  kill "$with" "$without" 2>/dev/null
  return 0
}
