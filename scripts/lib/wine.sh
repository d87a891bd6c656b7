# shellcheck shell=bash
# Sourced by the stages of scripts/test-windows (scripts/windows/*) after
# common.sh and windows.sh: Wine with a private prefix whose COM ports are
# pseudo-terminals, the Linux far ends on them (programs of the plain build
# in build/), and a cleanup that stops every process started here, also on
# failure.
win=$root/build-win
lines=$win/lines
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

pids=()
prefixes=()
work=$(mktemp -d)
# Wine's programs end before the display they draw on.
cleanup() {
  for prefix in "${prefixes[@]}"; do WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; done
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work" "$lines"
}
trap cleanup EXIT
mkdir -p "$lines"

# start_wine PREFIX [FACES]: Wine in the prefix with COM5 to COM12 mapped
# onto the lines. Wine's serial driver lists the ports of
# HKLM\Software\Wine\Ports in the registry's serial device map, and links
# them in dosdevices, when it starts: so the values are set first and the
# server restarted. FACES:
#   stand-ins  (the default) the faces the window names are Windows' own;
#              Debian's metric-compatible Liberation faces stand in for them
#   none       no stand-ins, as on a fresh machine: Debian's Wine has none of
#              Windows' faces, not even its own Tahoma, and picks among the
#              faces fontconfig offers
start_wine() {
  export WINEPREFIX=$1
  local faces=${2:-stand-ins}
  prefixes+=("$1")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
  fi
  for n in 5 6 7 8 9 10 11 12; do
    wine reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "$lines/com$n" /f >/dev/null
  done
  if [ "$faces" = stand-ins ]; then
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Sans Serif' /d 'Liberation Sans' /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null
  else
    wine reg delete 'HKCU\Software\Wine\Fonts\Replacements' /f >/dev/null 2>&1 || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  # One server for the whole stage: each test starts a Wine process, and a
  # server that stays saves starting Wine's services every time. The
  # services start here, with their output away from the pipes ctest reads.
  wineserver -p >/dev/null 2>&1
  wine reg query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' >"$work/serialcomm.txt"
  grep -q COM5 "$work/serialcomm.txt" || { echo "Wine did not map COM5" >&2; exit 1; }
}

# far_end COMMAND...: a far end in the background, stopped at the end; its
# output goes to $work/far-ends.log.
far_end() {
  "$@" >>"$work/far-ends.log" 2>&1 &
  pids+=($!)
}

# device LINE [relaysim options...]: the virtual relay device on a line.
device() {
  local line=$1
  shift
  far_end "$root/build/tools/relaysim/relaysim" --link "$lines/$line" "$@"
}

# lines_up LINE...: waits until the far ends have made these lines.
lines_up() {
  local line
  for line in "$@"; do
    for _ in $(seq 50); do [ -e "$lines/$line" ] && break; sleep 0.1; done
    [ -e "$lines/$line" ] || { echo "no far end on $line" >&2; exit 1; }
  done
}

# start_display: a virtual display of its own for the windows Wine draws
# (Xvfb names the display it took), stopped at the end; exports DISPLAY.
start_display() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
}
