#!/usr/bin/env bash
# Ctrl+C and kill: the real game ends within 2 s with status 0 on SIGINT and on SIGTERM, in
# the menu and in play, and on two signals sent back to back; with no session bus at all.
# Usage: signals.sh GAME SOURCE_DIR
set -u
set -m  # the game in a process group of its own, SIGINT not ignored as for a script's job
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
game=$1
cd "$2"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out" 2>/dev/null; exit 1; }

# The game started and its menu drawn (the window shows before the world is loaded).
start() {
  grab before
  env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR "$game" > "$work/out" 2>&1 &
  pid=$!
  screen_changes_from before menu || fail "the menu did not appear"
  sleep 0.5
  grab menu
}

play() {
  wait_for_window 50
  focus_window
  xdotool key Return
  screen_changes_from menu museum || fail "Enter on Start did not leave the menu"
}

stop_with() {
  local what=$1 t0 ms status
  shift
  t0=$(date +%s%N)
  for sig in "$@"; do kill "-$sig" "$pid"; done
  for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  ms=$(( ($(date +%s%N) - t0) / 1000000 ))
  kill -0 "$pid" 2>/dev/null && fail "$what: still running after $ms ms"
  wait "$pid"; status=$?; pid=""
  [ "$status" -eq 0 ] && [ "$ms" -le 2000 ] || fail "$what: status $status after $ms ms"
  echo "$what: ended in $ms ms with status 0"
}

start; stop_with "SIGINT in the menu" INT
start; stop_with "SIGTERM in the menu" TERM
start; play; stop_with "SIGINT in play" INT
start; play; stop_with "SIGTERM in play" TERM
start; play; stop_with "SIGINT twice in play" INT INT
