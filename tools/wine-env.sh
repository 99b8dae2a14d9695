# Sourced by ./run, ./test and ./bench: a Wine prefix of the project's own with the
# Korean font replacements and links, and a private virtual display when there is none.
#   pelgra_display_start [force] [WIDTHxHEIGHT]
#                                  start Xvfb unless DISPLAY is set (or always with "force"),
#                                  $PELGRA_SCREEN unless another size is given
#   pelgra_prefix_init DIR [unmanaged]
#                                  create the Wine prefix in DIR (once) and export WINEPREFIX;
#                                  "unmanaged" is for displays without a window manager
#   pelgra_wine_stop               stop the Wine server and the private display
#   pelgra_audio_start             start PulseAudio with a null sink unless a sound server runs
#   pelgra_audio_stop              stop the PulseAudio that pelgra_audio_start started

export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer dialogs when a prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8

# The virtual screen: the default bar fits it either way (917 pixels tall from
# y = 100, 1325 wide when horizontal), and a bar stored at x = 1200 still sticks out.
PELGRA_SCREEN=1366x1024
PELGRA_XVFB_PID=""
PELGRA_PULSE_STARTED=""

pelgra_display_start() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != force ]; then return 0; fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${2:-$PELGRA_SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
  PELGRA_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  export DISPLAY=":$n"
}

# Wine draws message boxes, window titles, menus and Notepad in its own fonts, which
# have no Hangul even with the Korean names replaced: each is linked to NanumGothic,
# which then draws the letters it lacks.
PELGRA_LINKED_FACES=("MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Segoe UI" "Microsoft Sans Serif" "MS Sans Serif"
  "Lucida Console")
# Raised with every change of the fonts' set-up below: a prefix set up before (a
# user's build/wineprefix from an earlier ./run) gets it at its next use.
PELGRA_FONTS_LEVEL=2

pelgra_prefix_fonts() {
  local key='HKCU\Software\Wine\Fonts\Replacements' face
  wine reg add "$key" /v "맑은 고딕" /t REG_SZ /d NanumGothic /f >/dev/null 2>&1
  wine reg add "$key" /v "굴림" /t REG_SZ /d NanumGothic /f >/dev/null 2>&1
  wine reg add "$key" /v "바탕" /t REG_SZ /d NanumMyeongjo /f >/dev/null 2>&1
  wine reg add "$key" /v "궁서" /t REG_SZ /d NanumMyeongjo /f >/dev/null 2>&1
  key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in "${PELGRA_LINKED_FACES[@]}"; do
    wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "NanumGothic.ttf,NanumGothic" /f >/dev/null 2>&1
  done
}

pelgra_prefix_init() {
  export WINEPREFIX="$1"
  mkdir -p "$WINEPREFIX"
  local ready="$WINEPREFIX/.pelgra-ready" fonts="$WINEPREFIX/.pelgra-fonts"
  if [ ! -f "$ready" ]; then
    # A prefix whose set-up was cut short has no system DLLs; try once more then.
    local attempt
    for attempt in 1 2; do
      wine wineboot -i >/dev/null 2>&1
      wineserver -w
      [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
      echo "Wine prefix set-up incomplete in $WINEPREFIX (attempt $attempt)" >&2
      wineserver -k >/dev/null 2>&1
      sleep 1
    done
    if [ "${2:-}" = unmanaged ]; then
      # Without a window manager Wine waits two seconds for one at every unmap.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    fi
  fi
  if [ ! -f "$ready" ] || [ "$(cat "$fonts" 2>/dev/null)" != "$PELGRA_FONTS_LEVEL" ]; then
    pelgra_prefix_fonts
    # The server writes the registry to the prefix as it ends.
    wineserver -w
    echo "$PELGRA_FONTS_LEVEL" >"$fonts"
    touch "$ready"
  fi
}

pelgra_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  if [ -n "$PELGRA_XVFB_PID" ]; then
    kill "$PELGRA_XVFB_PID" 2>/dev/null
    wait "$PELGRA_XVFB_PID" 2>/dev/null
    PELGRA_XVFB_PID=""
  fi
  return 0
}

# Wine's MCI plays through PulseAudio; headless machines have none running. Every
# call is bounded in time and reads no input, so a run without a terminal never waits.
pelgra_audio_start() {
  command -v pulseaudio >/dev/null 2>&1 || return 0
  timeout 5 pactl info </dev/null >/dev/null 2>&1 && return 0
  timeout 10 pulseaudio --start --exit-idle-time=-1 </dev/null >/dev/null 2>&1 || return 0
  PELGRA_PULSE_STARTED=1
  timeout 5 pactl list short sinks </dev/null 2>/dev/null | grep -q . ||
    timeout 5 pactl load-module module-null-sink </dev/null >/dev/null 2>&1
  return 0
}

pelgra_audio_stop() {
  [ -n "$PELGRA_PULSE_STARTED" ] && timeout 10 pulseaudio --kill </dev/null >/dev/null 2>&1
  PELGRA_PULSE_STARTED=""
  return 0
}
