#!/usr/bin/env bash
# The manual page's CONTROLS section names exactly the keys the game's key handlers act on:
# every letter, Enter, Esc, arrow and function key of input/*.cpp is in the manual, and the
# manual names no key that nothing handles. Usage: manual_keys.sh SOURCE_DIR
set -u
source=$1
fail() { echo "FAIL: $*"; exit 1; }

# The handlers' keys: lower-case letters of "case 'x'" and of the key table's defaults
# ("= 'x'"), 13 and 27, GLUT's special keys.
{
  grep -ho "case '[a-z]'" "$source"/input/*.cpp | sed "s/case '\(.\)'/\1/"
  grep -ho "= '[a-z]'" "$source"/input/KeyBindings.cpp | sed "s/= '\(.\)'/\1/"
  grep -hoE "case (13|27)\b" "$source"/input/*.cpp | sed 's/case 13/Enter/; s/case 27/Esc/'
  grep -hoE "GLUT_KEY_(F[0-9]+|UP|DOWN|LEFT|RIGHT)\b" "$source"/input/*.cpp |
    sed 's/GLUT_KEY_//' | sed 's/^UP$/up/; s/^DOWN$/down/; s/^LEFT$/left/; s/^RIGHT$/right/'
} | sort -u > /tmp/vaultrun-keys-handled.$$

# The manual's keys: the words of each tag line (the line after .TP) of CONTROLS that look
# like a key.
awk '/^\.SH CONTROLS/ {on = 1; next} /^\.SH/ {on = 0} on && tag {print; tag = 0} on && /^\.TP/ {tag = 1}' \
    "$source/packaging/vaultrun.6.in" |
  sed 's/^\.[A-Z]*//; s/[",]/ /g' | tr ' ' '\n' |
  grep -xE '[a-z]|Enter|Esc|F[0-9]+|up|down|left|right' | sort -u > /tmp/vaultrun-keys-manual.$$

missing=$(comm -23 /tmp/vaultrun-keys-handled.$$ /tmp/vaultrun-keys-manual.$$ | xargs)
extra=$(comm -13 /tmp/vaultrun-keys-handled.$$ /tmp/vaultrun-keys-manual.$$ | xargs)
count=$(wc -l < /tmp/vaultrun-keys-handled.$$)
rm -f /tmp/vaultrun-keys-handled.$$ /tmp/vaultrun-keys-manual.$$
[ "$count" -ge 15 ] || fail "only $count keys found in input/*.cpp: has the key handling moved?"
[ -z "$missing" ] || fail "keys the game handles that the manual does not list: $missing"
[ -z "$extra" ] || fail "keys the manual lists that nothing handles: $extra"
echo "PASS: $count keys"
