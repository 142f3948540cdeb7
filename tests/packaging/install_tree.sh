#!/usr/bin/env bash
# The installed game as a player and a packager meet it: cmake --install into a scratch
# DESTDIR gives exactly the game, its data tree, the launcher, the desktop entry, three icons,
# the AppStream metadata, the compressed man page and the copyright file, and the validators
# accept them (lintian too, where it is installed: no error or warning on the .deb); the launcher,
# started from another folder, reaches the menu and quits with status 0 while the player's
# own settings file chooses the mode, names a broken one of those, and lets a --data of the
# player's own win; the .deb made by CPack holds the same files and depends on the shared
# libraries the game links. Usage: install_tree.sh BUILD_DIR SOURCE_DIR VERSION
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/game_window.sh"
build=$1 source=$2 version=$3
work=$(mktemp -d)
root=$work/root
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# ---- The install tree ----
DESTDIR=$root cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1 ||
  fail "cmake --install: $(tail -n 5 "$work/install.log")"
{
  printf '%s\n' usr/games/vaultrun usr/libexec/vaultrun/vaultrun \
    usr/share/applications/vaultrun.desktop usr/share/metainfo/org.example.vaultrun.metainfo.xml \
    usr/share/man/man6/vaultrun.6.gz usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/vaultrun.png \
    usr/share/doc/vaultrun/copyright usr/share/doc/vaultrun/changelog.gz
  (cd "$source" && find data -type f ! -name .assetgen-stamp | sed 's|^|usr/share/vaultrun/|')
} | sort > "$work/expected"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) > "$work/installed"
diff "$work/expected" "$work/installed" > "$work/list.diff" ||
  fail "installed files differ from the list (< missing, > extra): $(head -n 20 "$work/list.diff")"
for size in 48 128 256; do
  # Width and height: the PNG header's two big-endian words at byte 16.
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/vaultrun.png" | xargs)
  [ "$dims" = "$size $size" ] || fail "the ${size}x$size icon is $dims"
done

desktop-file-validate "$root/usr/share/applications/vaultrun.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate-tree --no-net "$root" > "$work/appstream" 2>&1 ||
  fail "appstreamcli: $(cat "$work/appstream")"
# What a software centre shows beside the validation: the rating, the controls, this release.
metainfo=$root/usr/share/metainfo/org.example.vaultrun.metainfo.xml
for want in '<content_rating type="oars-1.1">' '<control>keyboard</control>' \
            '<control>pointing</control>' '<control>gamepad</control>' "<release version=\"$version\""; do
  grep -qF "$want" "$metainfo" || fail "the metadata lacks $want"
done
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l "$root/usr/share/man/man6/vaultrun.6.gz" > "$work/man.txt" 2> "$work/man.err"
[ -s "$work/man.err" ] && fail "man warns: $(cat "$work/man.err")"
grep -q "EXIT STATUS" "$work/man.txt" || fail "the man page did not render"

# ---- The launcher, from another folder ----
mkdir -p "$work/elsewhere" "$work/home/.config/vaultrun" "$work/config/vaultrun"
cd "$work/elsewhere"
launcher=$root/usr/games/vaultrun
# Under any other prefix (~/.local: its games/ is on no PATH) a link in bin/ reaches the
# launcher; under /usr (above) Debian keeps it in /usr/games alone.
DESTDIR=$work/local cmake --install "$build" --prefix /opt/vaultrun > "$work/local.log" 2>&1 ||
  fail "cmake --install --prefix /opt/vaultrun: $(tail -n 5 "$work/local.log")"
[ "$(readlink -f "$work/local/opt/vaultrun/bin/vaultrun")" = \
  "$(readlink -f "$work/local/opt/vaultrun/games/vaultrun")" ] ||
  fail "bin/vaultrun does not lead to the launcher"
"$work/local/opt/vaultrun/bin/vaultrun" --version > /dev/null 2>&1 || fail "bin/vaultrun --version failed"
broken=$work/home/.config/vaultrun/settings.ini
printf '1024x7' > "$broken"
# These two end before the display opens; without one a launcher that lost them cannot hang.
env -u DISPLAY -u XDG_CONFIG_HOME HOME="$work/home" "$launcher" > "$work/broken.out" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "a broken per-user settings file ended with status $status"
grep -qF "$broken" "$work/broken.out" || fail "the message does not name $broken: $(cat "$work/broken.out")"

env -u DISPLAY "$launcher" --data "$work/elsewhere" > "$work/data.out" 2>&1
status=$?
[ "$status" -eq 1 ] && grep -q "'$work/elsewhere'.*no data/" "$work/data.out" ||
  fail "--data without data/ gave status $status: $(cat "$work/data.out")"

# Another mode than the shipped one: under Xvfb it cannot be set, so the game names the mode
# it asked for when it falls back to a full-screen window.
printf '1280x720:32@60' > "$work/config/vaultrun/settings.ini"
XDG_CONFIG_HOME=$work/config "$launcher" > "$work/game.out" 2>&1 &
pid=$!
wait_for_window 150
# The middle rows of a drawn menu hold hundreds of colours; a window not yet drawn, one.
colours=0
for _ in $(seq 1 120); do
  colours=$(xwd -id "$window" -silent 2>/dev/null | head -c 2000000 | tail -c 400000 |
            od -An -tx4 -v -w4 | sort -u | wc -l)
  [ "$colours" -gt 50 ] && break
  sleep 0.5
done
[ "$colours" -gt 50 ] || fail "no menu frame ($colours colours in the window)"
grep -q "screen mode 1280x720:32@60" "$work/game.out" ||
  fail "the per-user mode was not used: $(cat "$work/game.out")"
# The desktop matches the running window with its launcher by the window's class.
wmClass=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/vaultrun.desktop")
xprop -id "$window" WM_CLASS | grep -q "\"$wmClass\"\$" ||
  fail "the window's class $(xprop -id "$window" WM_CLASS) is not the entry's \"$wmClass\""
focus_window
quit_with_escape "the game"

# ---- The Debian package ----
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" > "$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -n 5 "$work/cpack.log")"
deb=$work/pkg/vaultrun_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work/pkg")"
dpkg-deb --info "$deb" > "$work/info"
for field in "Package: vaultrun" "Version: $version" "Section: games" \
             "Depends: .*libsdl2-mixer" "Depends: .*libglut"; do
  grep -q "^ $field" "$work/info" || fail "dpkg-deb --info lacks '$field': $(cat "$work/info")"
done
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort > "$work/packaged"
diff "$work/installed" "$work/packaged" > "$work/deb.diff" ||
  fail "the package differs from the install (< installed only): $(head -n 20 "$work/deb.diff")"
if command -v lintian > /dev/null; then
  lintian --no-tag-display-limit "$deb" > "$work/lintian" 2>&1
  grep -q "^[EW]: " "$work/lintian" && fail "lintian finds errors or warnings: $(grep "^[EW]: " "$work/lintian")"
fi
echo "PASS"
