# Drives the running program from outside, as a person would: finds its
# window, takes screenshots and clicks its buttons. Sourced by run.sh, the
# end-to-end test and measure.sh; needs DISPLAY, xdotool, ImageMagick's
# import and python3.

tumblen_drive_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
TUMBLEN_WINDOW=""
TUMBLEN_ORIGIN_X=0
TUMBLEN_ORIGIN_Y=0

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

# Prints the X window geometry as "X Y WIDTH HEIGHT".
tumblen_geometry() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
