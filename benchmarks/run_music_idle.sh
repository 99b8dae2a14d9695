# Sourced by ./bench: what a stopped music player costs while the bar idles. Two
# copies of pelgra.exe run side by side without input, one bar holding a clock and
# the player, the other the clock alone; writes key=value lines of their CPU time
# (seconds) to the file $1. Needs the Wine environment of ./bench and run_idle.sh.
# The two bars stand apart (a bar covered by the other paints differently), the time
# is split into two halves with the start order swapped, and CPU time is counted in
# nanoseconds: the stopped player's own cost is below one clock tick a minute.
#   pelgra_bench_music_idle OUT WORKDIR SECONDS

pelgra_bench_music_ini() {  # FOLDER LEFT WIDGET_LINE...: a settings file as the program writes it (UTF-16LE)
  local folder=$1 left=$2 i=0 line
  shift 2
  {
    printf '[main]\r\nleft=%d\r\ntop=100\r\nright=%d\r\nbottom=600\r\nwnum=%d\r\n' "$left" $((left + 200)) $#
    for line in "$@"; do
      printf 'widget_%d=%s\r\n' "$i" "$line"
      i=$((i + 1))
    done
    printf 'tnum=0\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$folder/pelgra.ini"
}

# One half: both started (FIRST before SECOND), settled, then measured for SECONDS;
# prints "WITH WITHOUT" CPU seconds.
pelgra_bench_music_half() {  # WORKDIR SECONDS FIRST SECOND
  local work=$1 seconds=$2
  wine "$work/$3/pelgra.exe" >/dev/null 2>&1 &
  sleep 1
  wine "$work/$4/pelgra.exe" >/dev/null 2>&1 &
  local with without
  with=$(pelgra_wait_pid "$work/with-player/pelgra.exe") || { echo "pelgra.exe with the player did not start" >&2; return 1; }
  without=$(pelgra_wait_pid "$work/without-player/pelgra.exe") || { echo "pelgra.exe without it did not start" >&2; return 1; }
  sleep 5
  local w0 n0 w1 n1
  w0=$(pelgra_cpu_seconds "$with"); n0=$(pelgra_cpu_seconds "$without")
  sleep "$seconds"
  w1=$(pelgra_cpu_seconds "$with"); n1=$(pelgra_cpu_seconds "$without")
  kill "$with" "$without" 2>/dev/null
  sleep 1
  awk "BEGIN { print $w1 - $w0, $n1 - $n0 }"
}

pelgra_bench_music_idle() {
  local out=$1 work=$2 seconds=$3
  local clock='시계§Clock§Clock_1§1§80§120§14020607§0§100'
  local player='음악 재생기§MusicPlayer§MusicPlayer§1§150§120§14474460§0§100'
  mkdir -p "$work/with-player" "$work/without-player"
  cp "$work/pelgra.exe" "$work/with-player/" && cp "$work/pelgra.exe" "$work/without-player/" || return 1
  pelgra_bench_music_ini "$work/with-player" 100 "$clock" "$player"
  pelgra_bench_music_ini "$work/without-player" 500 "$clock"
  local half=$((seconds / 2)) first second
  first=$(pelgra_bench_music_half "$work" "$half" with-player without-player) || return 1
  second=$(pelgra_bench_music_half "$work" "$half" without-player with-player) || return 1
  {
    echo "seconds=$((2 * half))"
    echo "with_cpu=$(echo "$first $second" | awk '{ print $1 + $3 }')"
    echo "without_cpu=$(echo "$first $second" | awk '{ print $2 + $4 }')"
  } >"$out"
  return 0
}
