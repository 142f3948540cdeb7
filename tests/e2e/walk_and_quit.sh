#!/usr/bin/env bash
# The real game under the test's X server, driven by real X input with xdotool: it starts,
# prints its loading line and opens its window on the menu; down and up in the menu, Enter
# starts a game (the picture is no longer the menu), walking while 'w' is held changes the
# picture, a mouse move and a click go through, Esc returns to the menu and Esc again ends
# the game with status 0. Without a display it fails with one clear line and status 1. A
# session bus that is named but dead costs one line and nothing more.
# Usage: walk_and_quit.sh GAME_BINARY SOURCE_DIR
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
game=$1
cd "$2"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "${KEEP_E2E:-}" ] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out" 2>/dev/null; exit 1; }

# No display at all.
env -u DISPLAY "$game" > "$work/nodisplay" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "without a display the status was $status, not 1"
grep -q "^Error: .*display" "$work/nodisplay" || fail "no clear display error: $(cat "$work/nodisplay")"

DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" "$game" > "$work/out" 2>&1 &
pid=$!
wait_for_window 100
grep -q "^The Vaultrun is loading - please wait!$" "$work/out" || fail "no loading line"
focus_window
first_frame_shot menu
xdotool key s
sleep 0.2
xdotool key w
sleep 0.2
settled_shot menu-again
same_screen "$work/menu.xwd" "$work/menu-again.xwd" || fail "down and up did not come back to Start"
xdotool key Return
# The museum never settles (a guard walks in view at the entrance): no settled shots there.
screen_changes_from menu museum || fail "Enter on Start did not leave the menu"
xdotool keydown w
sleep 1
xdotool keyup w
screen_changes_from museum walked || fail "the picture did not change while w was held"
xdotool mousemove 600 384 click 1
sleep 0.3
xdotool key Escape
settled_shot menu-after
same_screen "$work/menu.xwd" "$work/menu-after.xwd" || fail "Esc in play did not show the menu"
if command -v convert > /dev/null; then
  convert "xwd:$work/walked.xwd" "${TMPDIR:-/tmp}/vaultrun-e2e-museum.png" 2>/dev/null || true
fi
quit_with_escape "the game"
[ "$(grep -c "D-Bus" "$work/out")" -eq 1 ] || fail "not one line about the dead session bus"
echo "PASS"
