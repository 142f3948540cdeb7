#!/usr/bin/env bash
# The README's commands as a new player meets them, in a copy of the repository's tracked files
# only (no build/, no generated data/). Two steps, so that the long build can run beside other
# tests and only the part on the screen runs alone:
#   build  copies the files, runs the play command without a display (it builds, makes data/
#          and stops with the display error), then empties data/ and builds the replay driver
#          and the timedemo alone: each must make data/ again. data/ is left empty.
#   play   runs the play command under the test's X server: it must make data/, open the menu
#          (a picture, not a black screen, no error line) and end with status 0 on Esc.
# Usage: fresh_clone_play.sh build|play SOURCE_DIR CLONE_DIR
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
step=$1
source_dir=$2
clone=$3
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -- -"$pid" 2>/dev/null; [ -n "${KEEP_E2E:-}" ] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; tail -n 40 "$work/out" 2>/dev/null; exit 1; }
generated() { [ -e "$clone/data/textures/menue/menue_1start.bmp" ]; }
empty_data() { find "$clone/data" -mindepth 1 ! -name settings.ini -exec rm -rf {} + 2>/dev/null; }

# Compiles hit the cache of the normal build where there is one.
export CCACHE_BASEDIR="$clone"

if [ "$step" = build ]; then
  command -v git > /dev/null || fail "git is needed to list the repository's files"
  rm -rf "$clone"
  mkdir -p "$clone"
  git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf - 2>/dev/null) |
    tar -xf - -C "$clone" || fail "could not copy the tracked files"
  [ -x "$clone/play.sh" ] || fail "no play.sh in the copy"
  generated && fail "the copy already holds generated data"
  (cd "$clone" && env -u DISPLAY ./play.sh) > "$work/out" 2>&1
  status=$?
  [ "$status" -eq 1 ] || fail "without a display the play command ended with status $status"
  grep -q "^Error: .*display" "$work/out" || fail "the play command did not reach the game"
  generated || fail "the play command built the game without data/"
  cmake -S "$clone" -B "$clone/build" -DVAULTRUN_BENCH=ON > /dev/null 2>&1 ||
    fail "the build folder could not be configured for the benchmarks"
  for target in vaultrun-replay vaultrun-timedemo; do
    empty_data
    cmake --build "$clone/build" -j2 --target "$target" > "$work/out" 2>&1 ||
      fail "building $target failed"
    generated || fail "$target was built without data/"
  done
  empty_data
  echo "PASS"
  exit 0
fi

[ -x "$clone/play.sh" ] || fail "no copy in $clone: the build step did not run"
generated && fail "the copy's data/ was not emptied"
# The play command, in a process group of its own so that the trap ends the build or the game.
(cd "$clone" && exec setsid ./play.sh) > "$work/out" 2>&1 &
pid=$!
wait_for_window 3000
focus_window
first_frame_shot menu
kill -0 "$pid" 2>/dev/null || fail "the game ended on its own"
# The menu page is a picture: many different byte values among the last 512 KiB of pixels
# (a black screen has one).
levels=$(tail -c 524288 "$work/menu.xwd" | od -An -v -tu1 | tr -s ' ' '\n' | sort -u | wc -l)
[ "$levels" -gt 40 ] || fail "the screen is not the menu ($levels byte values)"
if command -v convert > /dev/null; then
  convert "xwd:$work/menu.xwd" "${TMPDIR:-/tmp}/vaultrun-fresh-clone-menu.png" 2>/dev/null || true
fi

quit_with_escape "the play command"
grep -q "^The Vaultrun is loading - please wait!$" "$work/out" || fail "no loading line"
grep -Eiq "^(Error|An error)|error:" "$work/out" && fail "an error line was printed"
generated || fail "the play command did not make data/"
echo "PASS"
