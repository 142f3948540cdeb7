# The steps the shell tests share when they drive the real game through the X server: find
# and focus its window, grab the screen until it changes or settles, quit with Esc.
# Source it after setting work (a scratch folder) and pid (the game's, or its launcher's),
# with a fail function that reports and exits.

# The whole screen into $work/NAME.xwd.
grab() {
  xwd -root -silent > "$work/$1.xwd" 2>/dev/null
}

# True when two grabs show the same pixels. Only the pixels are compared: xwd leaves the pad
# bytes of its colour map entries as they happen to be in its memory, so two grabs of one
# picture may differ there. The pixels are the last bytes_per_line x height bytes of the
# file (header fields 12 and 5, big-endian). Usage: same_screen FILE FILE
same_screen() {
  local fields
  read -r -a fields <<< "$(od -An -N100 -tu4 --endian=big -w100 "$1" 2>/dev/null)"
  local size=$(( ${fields[12]:-0} * ${fields[5]:-0} ))
  [ "$size" -gt 0 ] || return 1
  cmp -s <(tail -c "$size" "$1") <(tail -c "$size" "$2")
}

# Sets window to the game's visible window, looking every 0.1 s at most TRIES times; fails
# when it does not appear or the game ends first. Usage: wait_for_window TRIES
wait_for_window() {
  window=""
  for _ in $(seq 1 "$1"); do
    window=$(xdotool search --onlyvisible --name '^Vaultrun$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
  done
  fail "the game window did not appear"
}

# The pointer into the window's middle and the keyboard to it, as a player's click would.
focus_window() {
  xdotool mousemove 512 384 windowfocus --sync "$window" 2>/dev/null || true
}

# Waits (up to 30 s) until the screen differs from $work/OLD.xwd, keeping it as NEW.xwd;
# returns 1 when it never does. Usage: screen_changes_from OLD NEW
screen_changes_from() {
  for _ in $(seq 1 100); do
    sleep 0.3
    grab "$2"
    same_screen "$work/$1.xwd" "$work/$2.xwd" || return 0
  done
  return 1
}

# A picture of the screen once it has settled (two grabs in a row alike, or 18 s): start-up
# and the frames after a key may take a while on a loaded machine. Usage: settled_shot NAME
settled_shot() {
  grab "$1"
  for _ in $(seq 1 60); do
    sleep 0.3
    xwd -root -silent > "$work/$1.next" 2>/dev/null
    same_screen "$work/$1.xwd" "$work/$1.next" && return
    mv "$work/$1.next" "$work/$1.xwd"
  done
}

# The first menu frame: the window appears before the world is loaded, so wait for the screen
# to change from what it showed before, then for it to settle, as $work/NAME.xwd.
first_frame_shot() {
  grab blank
  screen_changes_from blank "$1"
  settled_shot "$1"
}

# Esc in the menu quits: the game (or its launcher, $pid) must end within 15 s with status 0.
# Usage: quit_with_escape WHAT, WHAT naming it in the failure ("the game").
quit_with_escape() {
  xdotool key Escape
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$1 did not end after Esc"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "$1 ended with status $status after Esc"
}
