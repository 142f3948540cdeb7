#!/usr/bin/env bash
# The real game under the test's X server, driven by real X input with xdotool: it starts,
# prints its loading line, opens its window, walks while 'w' is held (the picture changes),
# and ends with status 0 on Esc. Without a display it fails with one clear line and status 1.
# Usage: walk_and_quit.sh GAME_BINARY SOURCE_DIR
set -u
game=$1
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out" 2>/dev/null; exit 1; }

# No display at all.
env -u DISPLAY "$game" > "$work/nodisplay" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "without a display the status was $status, not 1"
grep -q "^Error: .*display" "$work/nodisplay" || fail "no clear display error: $(cat "$work/nodisplay")"

"$game" > "$work/out" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Vaultrun$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the game window did not appear"
grep -q "^The Vaultrun is loading - please wait!$" "$work/out" || fail "no loading line"
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xwd -root -silent > "$work/before.xwd"
xdotool keydown --window "$window" w
sleep 1
xdotool keyup --window "$window" w
sleep 0.3
xwd -root -silent > "$work/after.xwd"
cmp -s "$work/before.xwd" "$work/after.xwd" && fail "the picture did not change while w was held"
xdotool key --window "$window" Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the game did not end after Esc"; }
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status after Esc"
echo "PASS"
