#!/usr/bin/env bash
# The game as a desktop application, in a window under a window manager (openbox) on the
# test's X server: the window's class is "vaultrun", "Vaultrun"; in the menu the pointer goes
# where it is sent and the screensaver comes on after its timeout; during a heist the pointer
# sent far outside (a jump, and a relative move as a mouse makes) stays in the window and the
# screensaver stays off; with the keyboard given to another window the pointer is free; back
# in the menu both are let go again. On the session bus (run it under dbus-run-session) a
# stand-in screensaver service sees Inhibit when a heist is played and UnInhibit with its
# cookie when the keyboard goes elsewhere, at Esc back to the menu and when SIGTERM ends the
# game in play (status 0), and no other call.
# Usage: desktop.sh GAME_BINARY SOURCE_DIR SCREENSAVER_STATE_BINARY SCREENSAVER_SERVICE_BINARY
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
game=$1
cd "$2"
saverState=$3
work=$(mktemp -d)
pid=""
wm=""
other=""
cleanup() {
  "$saverState" default
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$other" ] && kill "$other" 2>/dev/null
  if [ -n "$wm" ]; then
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
    # openbox leaves the root's pointer to its check window, now gone, behind: freeglut would
    # read it in the next test's game and die of the BadWindow.
    xprop -root -remove _NET_SUPPORTING_WM_CHECK
  fi
  [ -n "${KEEP_E2E:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work/out" "$work/bus" 2>/dev/null; exit 1; }

# The service has long owned its name when the first heist starts; it ends with the bus.
"$4" > "$work/bus" 2>&1 &
# Waits up to 10 s for the service's line. Usage: bus_sees LINE WHEN
bus_sees() {
  for _ in $(seq 1 50); do grep -qxF "$1" "$work/bus" && return 0; sleep 0.2; done
  fail "$2: the screensaver service did not see '$1'"
}
inhibit="Inhibit Vaultrun: Playing a heist ->"

openbox --sm-disable > "$work/wm" 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || fail "openbox did not start"

"$game" --window=640x480 > "$work/out" 2>&1 &
pid=$!
wait_for_window 150
class=$(xprop -id "$window" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "vaultrun", "Vaultrun"' ] || fail "the window's class: $class"
first_frame_shot menu
eval "$(xdotool getwindowgeometry --shell "$window")"   # X Y WIDTH HEIGHT of the window
wx=$X; wy=$Y; ww=$WIDTH; wh=$HEIGHT
[ "$ww" -lt 1000 ] || fail "the window is as wide as the screen: $ww"
# The keyboard to the window, the pointer in its corner: over a menu entry it would select it.
xdotool windowactivate --sync "$window" mousemove $((wx + 8)) $((wy + 8)) 2>/dev/null

pointer_at() {
  eval "$(xdotool getmouselocation --shell)"
  [ "$X" = "$1" ] && [ "$Y" = "$2" ]
}
pointer_inside() {
  eval "$(xdotool getmouselocation --shell)"
  [ "$X" -ge "$wx" ] && [ "$X" -lt $((wx + ww)) ] && [ "$Y" -ge "$wy" ] && [ "$Y" -lt $((wy + wh)) ]
}
# The screensaver's state after two seconds without input, with a timeout of one.
saver_after_idle() {
  "$saverState" timeout 1
  sleep 2.5
  "$saverState"
}
# Wakes the screen and sets the server's timeout back (its default is off under Xvfb).
wake() {
  "$saverState" default
  xdotool mousemove_relative 1 0
}
free_pointer() {
  xdotool mousemove 1000 740
  sleep 0.3
  pointer_at 1000 740 || fail "$1: the pointer went to $X $Y, not 1000 740"
}

free_pointer "in the menu"
state=$(saver_after_idle)
[ "$state" = on ] || fail "in the menu the screensaver is $state after its timeout"
wake

# Into play: once the heist runs, a jump far outside ends inside.
xdotool mousemove $((wx + 8)) $((wy + 8)) key Return
inside=""
for _ in $(seq 1 100); do
  sleep 0.2
  xdotool mousemove 1000 740
  sleep 0.2
  if pointer_inside; then inside=yes; break; fi
  xdotool mousemove $((wx + ww / 2)) $((wy + wh / 2))
done
[ -n "$inside" ] || fail "in play the pointer sent to 1000 740 went to $X $Y, out of the window"
xdotool mousemove_relative -- 2000 2000
sleep 0.3
pointer_inside || fail "in play a relative move carried the pointer to $X $Y, out of the window"
state=$(saver_after_idle)
[ "$state" = off ] || fail "in play the screensaver is $state after its timeout"
wake
grab play
bus_sees "$inhibit 1" "in play"

# The keyboard given to another window: the game pauses and the pointer is free.
xmessage -geometry 200x60+0+0 "elsewhere" &
other=$!
for _ in $(seq 1 50); do
  otherWindow=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n 1)
  [ -n "$otherWindow" ] && break
  sleep 0.1
done
[ -n "$otherWindow" ] || fail "the other window did not appear"
xdotool windowactivate --sync "$otherWindow" 2>/dev/null || xdotool windowfocus --sync "$otherWindow"
sleep 0.5
free_pointer "with the keyboard elsewhere"
bus_sees "UnInhibit 1" "with the keyboard elsewhere"
kill "$other"
other=""

# Back to the game and to the menu (Esc while paused): let go again.
xdotool windowactivate --sync "$window" mousemove $((wx + ww / 2)) $((wy + wh / 2)) 2>/dev/null
sleep 0.3
xdotool key Escape
sleep 1
kill -0 "$pid" 2>/dev/null || fail "Esc from play ended the game"
grab menu-again
free_pointer "back in the menu"
state=$(saver_after_idle)
[ "$state" = on ] || fail "back in the menu the screensaver is $state after its timeout"
wake

# Play again: Esc back to the menu, and play once more ended by SIGTERM. The pointer left in
# the window's middle selects an entry: up to Start first.
xdotool mousemove $((wx + 8)) $((wy + 8)) key Up Up Up Up Return
bus_sees "$inhibit 2" "in play again"
xdotool key Escape
bus_sees "UnInhibit 2" "at Esc from play"
xdotool mousemove $((wx + 8)) $((wy + 8)) key Up Up Up Up Return
bus_sees "$inhibit 3" "in the third play"
kill -TERM "$pid"
wait "$pid" || fail "SIGTERM in play ended the game with status $?"
bus_sees "UnInhibit 3" "after SIGTERM in play"
printf '%s 1\nUnInhibit 1\n%s 2\nUnInhibit 2\n%s 3\nUnInhibit 3\n' \
  "$inhibit" "$inhibit" "$inhibit" | cmp -s - "$work/bus" || fail "other calls on the bus"
echo "PASS"
