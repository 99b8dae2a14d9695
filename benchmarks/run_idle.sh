# Sourced by ./bench: runs pelgra.exe, the baseline and the floor side by side for a
# while without input, each under a Wine server of its own (a copy of the bench's
# prefix), with Conky on the same display, and writes key=value lines of their CPU
# time (seconds) and resident memory (kB) to the file $1. Needs the Wine environment
# of ./bench.
#   pelgra_bench_idle OUT WORKDIR SECONDS

# Time on a CPU of all threads of a process, in seconds: the scheduler counts it in
# nanoseconds, where the clock ticks of /proc/PID/stat come in steps of 10 ms, and an
# idle bar uses a few of those a minute.
pelgra_cpu_seconds() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%.4f\n", ns / 1e9 }'
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

# The Wine server of a prefix: other prefixes on the machine have servers of their own.
pelgra_wineserver_pid() {  # [PREFIX]
  local pid prefix=${1:-$WINEPREFIX}
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && { echo "$pid"; return 0; }
  done
  return 1
}

# A copy of the bench's prefix whose Wine server is this program's alone.
pelgra_bench_prefix_copy() {  # DIR
  rm -rf "$1" && mkdir -p "$1" && cp -a "$WINEPREFIX/." "$1/"
}

pelgra_bench_idle() {
  local out=$1 work=$2 seconds=$3
  # The program gets a fresh copy too, not the bench's own server, which has just
  # served every start-up run: both servers start from the same state.
  local own="$work/prefix-baseline" floorPrefix="$work/prefix-floor" pelgraPrefix="$work/prefix-pelgra"
  pelgra_bench_prefix_copy "$own" && pelgra_bench_prefix_copy "$floorPrefix" &&
    pelgra_bench_prefix_copy "$pelgraPrefix" || return 1
  WINEPREFIX=$pelgraPrefix wine "$work/pelgra.exe" >/dev/null 2>&1 &
  WINEPREFIX=$own wine "$work/baseline.exe" >/dev/null 2>&1 &
  WINEPREFIX=$floorPrefix wine "$work/floor.exe" >/dev/null 2>&1 &
  local conky=""
  if command -v conky >/dev/null 2>&1; then
    conky -c benchmarks/conky.conf >/dev/null 2>&1 &
    conky=$!
  fi
  local pelgra baseline floor server baseServer
  pelgra=$(pelgra_wait_pid "$work/pelgra.exe") || { echo "pelgra.exe did not start"; return 1; }
  baseline=$(pelgra_wait_pid "$work/baseline.exe") || { echo "baseline.exe did not start"; return 1; }
  floor=$(pelgra_wait_pid "$work/floor.exe") || { echo "floor.exe did not start"; return 1; }
  server=$(pelgra_wineserver_pid "$pelgraPrefix") || { echo "no Wine server for pelgra.exe"; return 1; }
  baseServer=$(pelgra_wineserver_pid "$own") || { echo "no Wine server for the baseline"; return 1; }
  # Let all of them finish starting before the idle window opens.
  sleep 5
  local p0 b0 s0 bs0 c0=0
  p0=$(pelgra_cpu_seconds "$pelgra"); b0=$(pelgra_cpu_seconds "$baseline")
  s0=$(pelgra_cpu_seconds "$server"); bs0=$(pelgra_cpu_seconds "$baseServer")
  [ -n "$conky" ] && c0=$(pelgra_cpu_seconds "$conky")
  {
    echo "pelgra_rss_start=$(pelgra_rss_kb "$pelgra")"
    echo "baseline_rss_start=$(pelgra_rss_kb "$baseline")"
    echo "floor_rss_start=$(pelgra_rss_kb "$floor")"
  } >"$out"
  sleep "$seconds"
  local p1 b1 s1 bs1 c1=0
  p1=$(pelgra_cpu_seconds "$pelgra"); b1=$(pelgra_cpu_seconds "$baseline")
  s1=$(pelgra_cpu_seconds "$server"); bs1=$(pelgra_cpu_seconds "$baseServer")
  [ -n "$conky" ] && c1=$(pelgra_cpu_seconds "$conky")
  {
    echo "pelgra_rss_end=$(pelgra_rss_kb "$pelgra")"
    echo "baseline_rss_end=$(pelgra_rss_kb "$baseline")"
    echo "floor_rss_end=$(pelgra_rss_kb "$floor")"
    echo "seconds=$seconds"
    echo "pelgra_cpu=$(awk "BEGIN { print $p1 - $p0 }")"
    echo "baseline_cpu=$(awk "BEGIN { print $b1 - $b0 }")"
    echo "wineserver_cpu=$(awk "BEGIN { print $s1 - $s0 }")"
    echo "baseline_wineserver_cpu=$(awk "BEGIN { print $bs1 - $bs0 }")"
    [ -n "$conky" ] && echo "conky_cpu=$(awk "BEGIN { print $c1 - $c0 }")"
  } >>"$out"
  kill "$pelgra" "$baseline" "$floor" $conky 2>/dev/null
  WINEPREFIX=$pelgraPrefix wineserver -k >/dev/null 2>&1
  WINEPREFIX=$own wineserver -k >/dev/null 2>&1
  WINEPREFIX=$floorPrefix wineserver -k >/dev/null 2>&1
  return 0
}
