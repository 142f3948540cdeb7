#!/usr/bin/env bash
# Ctrl+C and kill: the real game ends within 2 s with status 0 on SIGINT and on SIGTERM, in
# the menu and in play, and on two signals sent back to back; with no session bus at all. A
# heist cut short by SIGTERM is kept as last.vrr, which the game watches to where it stopped.
# Usage: signals.sh GAME SOURCE_DIR
set -u
set -m  # the game in a process group of its own, SIGINT not ignored as for a script's job
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
game=$1
cd "$2"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
replays=$work/data/vaultrun/replays
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

# The heist cut short is last.vrr, outcome quit; the real game watches it to
# its end as it was recorded. Usage: watch_cut_heist WHAT
watch_cut_heist() {
  grep -qa '^outcome quit$' "$replays/last.vrr" 2>/dev/null || fail "$1: no last.vrr of a heist quit"
  "$game" --replay "$replays/last.vrr" > "$work/watch" 2>&1 &
  local watcher=$!
  for _ in $(seq 1 150); do grep -q '^replay.digest' "$work/watch" && break; sleep 0.2; done
  kill -TERM "$watcher"; wait "$watcher"
  grep -q '^replay.outcome quit$' "$work/watch" && ! grep -q 'played differently' "$work/watch" ||
    { cat "$work/watch"; fail "$1: the watch did not play it to its end as recorded"; }
  echo "$1: kept as last.vrr and watched to where it stopped"
}

start; stop_with "SIGINT in the menu" INT
start; stop_with "SIGTERM in the menu" TERM
start; play; stop_with "SIGINT in play" INT
rm -rf "$replays"; start; play; stop_with "SIGTERM in play" TERM
watch_cut_heist "SIGTERM in play"
start; play; stop_with "SIGINT twice in play" INT INT
