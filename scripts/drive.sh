# Drives the running program from outside, as a person would: finds its
# window, takes screenshots and clicks its buttons. Sourced by run.sh, the
# end-to-end test and measure.sh; needs DISPLAY, xdotool, ImageMagick's
# import and python3.

tumblen_drive_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
TUMBLEN_WINDOW=""
TUMBLEN_ORIGIN_X=0
TUMBLEN_ORIGIN_Y=0
TUMBLEN_PID=""
TUMBLEN_STATUS=""

# Waits up to $1 seconds (default 30) for a visible window titled $2
# (default Tumblen) and prints its X window id.
tumblen_wait_window() {
  local limit="${1:-30}" name="${2:-Tumblen}" id
  local deadline=$((SECONDS + limit))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id="$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Screenshot of the whole screen as a binary PPM.
tumblen_shot() { import -silent -window root -depth 8 "ppm:$1"; }

# Finds the main window's client area on the screen from a screenshot.
tumblen_locate() {
  local where
  where="$(python3 "$tumblen_drive_scripts/screen.py" origin "$1")" || return 1
  read -r TUMBLEN_ORIGIN_X TUMBLEN_ORIGIN_Y <<<"$where"
}

# Colour counts in the box and the label row of a screenshot.
tumblen_count() { python3 "$tumblen_drive_scripts/screen.py" count "$1" "$TUMBLEN_ORIGIN_X" "$TUMBLEN_ORIGIN_Y"; }

# Clicks at screen coordinates. (No --sync: it waits for a motion event that
# never comes when the pointer is already there.)
tumblen_click_screen() {
  xdotool mousemove "$1" "$2" sleep 0.05 click 1
  sleep "${TUMBLEN_CLICK_PAUSE:-0.3}"
}

# Clicks at client coordinates of the main window.
tumblen_click_at() { tumblen_click_screen $((TUMBLEN_ORIGIN_X + $1)) $((TUMBLEN_ORIGIN_Y + $2)); }

# Clicks a button of the left-hand column by name.
tumblen_click() {
  local row
  case "$1" in
    start) row=0 ;; stop) row=1 ;; target_on) row=2 ;; target_off) row=3 ;;
    trace_start) row=4 ;; trace_stop) row=5 ;; particles_20) row=6 ;; particles_200) row=7 ;;
    heat_up) row=8 ;; cool_down) row=9 ;; boundary) row=10 ;; exit) row=11 ;;
    *) echo "no button $1" >&2; return 1 ;;
  esac
  tumblen_click_at 100 $((20 + 40 * row + 15))
}

# Starts the program $1 under Wine (TUMBLEN_PID), waits for its main window
# (TUMBLEN_WINDOW) to open and paint, saves a screenshot as $2 and finds the
# client area on it.
tumblen_start() {
  wine "$1" &
  TUMBLEN_PID=$!
  TUMBLEN_WINDOW="$(tumblen_wait_window 60)" || { echo "the main window did not open" >&2; return 1; }
  sleep 1.5
  tumblen_shot "$2"
  tumblen_locate "$2"
}

# Clicks 終了 and waits up to 10 s for the program to end; its exit status is
# then TUMBLEN_STATUS. Fails if it is still running.
tumblen_exit() {
  tumblen_click exit
  for _ in $(seq 1 100); do
    kill -0 "$TUMBLEN_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$TUMBLEN_PID" 2>/dev/null && return 1
  TUMBLEN_STATUS=0
  wait "$TUMBLEN_PID" || TUMBLEN_STATUS=$?
  TUMBLEN_PID=""
}

# Clicks the 設定 button of the Mass Setting window $2, framed by Wine as the
# main window $1 is (the tests' prefix has no window manager frame windows):
# the frame is as wide as the main window's, the client area starts below the
# caption, and the button's middle is at client (245, 35). With no window
# manager Wine lets a click on the main window raise it over the window it
# owns: the Mass Setting window is raised first.
tumblen_click_mass_set() {
  local wx mx my mw top shot
  xdotool windowraise "$2"
  sleep 0.2
  read -r wx _ _ _ <<<"$(tumblen_geometry "$1")"
  read -r mx my mw _ <<<"$(tumblen_geometry "$2")"
  local frame=$((TUMBLEN_ORIGIN_X - wx))
  shot="$(mktemp --suffix=.ppm)"
  tumblen_shot "$shot"
  top="$(python3 "$tumblen_drive_scripts/screen.py" below "$shot" $((mx + mw / 2)) $((my + frame)))"
  rm -f "$shot"
  tumblen_click_screen $((mx + frame + 245)) $((top + 35))
}

# Prints the X window geometry as "X Y WIDTH HEIGHT".
tumblen_geometry() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
