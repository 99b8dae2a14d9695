# Sourced by ./bench: runs pelgra.exe, the baseline and the floor side by side for a
# while without input and writes key=value lines of their CPU time (seconds) and
# resident memory (kB) to the file $1. Needs the Wine environment of ./bench.
#   pelgra_bench_idle OUT WORKDIR SECONDS

pelgra_cpu_seconds() {  # utime + stime of a process, in seconds
  awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$1/stat"
}

pelgra_rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

pelgra_wait_pid() {  # the Linux pid of the Wine process running $1
  local i pid
  for i in $(seq 1 200); do
    pid=$(pgrep -f -n "$1" || true)
    [ -n "$pid" ] && { echo "$pid"; return 0; }
    sleep 0.05
  done
  return 1
}

# This run's Wine server: other Wine prefixes on the machine have servers of their own.
pelgra_wineserver_pid() {
  local pid
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return 0; }
  done
  return 1
}

pelgra_bench_idle() {
  local out=$1 work=$2 seconds=$3
  wine "$work/pelgra.exe" >/dev/null 2>&1 &
  wine "$work/baseline.exe" >/dev/null 2>&1 &
  wine "$work/floor.exe" >/dev/null 2>&1 &
  local pelgra baseline floor server
  pelgra=$(pelgra_wait_pid "$work/pelgra.exe") || { echo "pelgra.exe did not start"; return 1; }
  baseline=$(pelgra_wait_pid "$work/baseline.exe") || { echo "baseline.exe did not start"; return 1; }
  floor=$(pelgra_wait_pid "$work/floor.exe") || { echo "floor.exe did not start"; return 1; }
  server=$(pelgra_wineserver_pid) || { echo "no Wine server for $WINEPREFIX"; return 1; }
  # Let all three finish starting before the idle window opens.
  sleep 5
  local p0 b0 s0
  p0=$(pelgra_cpu_seconds "$pelgra"); b0=$(pelgra_cpu_seconds "$baseline"); s0=$(pelgra_cpu_seconds "$server")
  {
    echo "pelgra_rss_start=$(pelgra_rss_kb "$pelgra")"
    echo "baseline_rss_start=$(pelgra_rss_kb "$baseline")"
    echo "floor_rss_start=$(pelgra_rss_kb "$floor")"
  } >"$out"
  sleep "$seconds"
  local p1 b1 s1
  p1=$(pelgra_cpu_seconds "$pelgra"); b1=$(pelgra_cpu_seconds "$baseline"); s1=$(pelgra_cpu_seconds "$server")
  {
    echo "pelgra_rss_end=$(pelgra_rss_kb "$pelgra")"
    echo "baseline_rss_end=$(pelgra_rss_kb "$baseline")"
    echo "floor_rss_end=$(pelgra_rss_kb "$floor")"
    echo "seconds=$seconds"
    echo "pelgra_cpu=$(awk "BEGIN { print $p1 - $p0 }")"
    echo "baseline_cpu=$(awk "BEGIN { print $b1 - $b0 }")"
    echo "wineserver_cpu=$(awk "BEGIN { print $s1 - $s0 }")"
  } >>"$out"
  kill "$pelgra" "$baseline" "$floor" 2>/dev/null
  return 0
}
