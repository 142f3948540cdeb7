#!/usr/bin/env bash
# Ctrl+C and kill: the real game ends within 2 s with status 0 on SIGINT and on SIGTERM, in
# the menu and in play, and on two signals sent back to back.
# Usage: signals.sh GAME_BINARY SOURCE_DIR
set -u
# Job control: the game runs in a process group of its own, with SIGINT not ignored as it
# would be for a background job of a script.
set -m
game=$1
cd "$2"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out" 2>/dev/null; exit 1; }

# Waits until the screen differs from the grab in $1.xwd; the new picture goes to $2.xwd.
changed() {
  for _ in $(seq 1 100); do
    sleep 0.2
    xwd -root -silent > "$work/$2.xwd" 2>/dev/null
    cmp -s "$work/$1.xwd" "$work/$2.xwd" || return 0
  done
  fail "the screen did not change from $1"
}

# Starts the game and waits for its menu (the window shows before the world is loaded).
start() {
  xwd -root -silent > "$work/before.xwd"
  "$game" > "$work/out" 2>&1 &
  pid=$!
  changed before menu
  sleep 0.5
  xwd -root -silent > "$work/menu.xwd"
}

play() {
  window=$(xdotool search --onlyvisible --name '^Vaultrun$' 2>/dev/null | head -n 1)
  xdotool mousemove 512 384 windowfocus --sync "$window" key Return 2>/dev/null
  changed menu museum
}

# Sends the signals and expects the game gone within 2 s with status 0.
stop_with() {
  local what=$1
  shift
  local t0 t1
  t0=$(date +%s%N)
  for sig in "$@"; do kill "-$sig" "$pid"; done
  local status=""
  for _ in $(seq 1 40); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.05
  done
  t1=$(date +%s%N)
  kill -0 "$pid" 2>/dev/null && fail "$what: still running 2 s after the signal"
  wait "$pid"
  status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "$what: status $status, not 0"
  local ms=$(( (t1 - t0) / 1000000 ))
  [ "$ms" -le 2000 ] || fail "$what: took $ms ms"
  grep -q "Error" "$work/out" && fail "$what: an error line"
  echo "$what: ended in $ms ms with status 0"
}

start; stop_with "SIGINT in the menu" INT
start; stop_with "SIGTERM in the menu" TERM
start; play; stop_with "SIGINT in play" INT
start; play; stop_with "SIGTERM in play" TERM
start; play; stop_with "SIGINT twice in play" INT INT
start; stop_with "SIGTERM then SIGINT in the menu" TERM INT
exit 0
