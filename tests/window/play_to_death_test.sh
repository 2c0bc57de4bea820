#!/usr/bin/env bash
# A whole game in a real window on a private Xvfb, driven by xdotool as a player would:
#  1. on the title screen, Tab then Space presses the hidden record reset, which writes my.dat
#     ("？？？？" and 0) and 結果.txt;
#  2. with a record of -1 in my.dat, a restart, then the adventure button again and again until
#     the hero dies: the game buttons are disabled and, any score beating the record, the entry opens;
#  3. a name typed into the entry and OK store the record in my.dat;
#  4. the restart button still works after the death (it asks, Enter answers yes).
# Screenshots of a mid-game turn and of the open entry box are kept in the artifact folder.
# Usage: play_to_death_test.sh <runtime folder> <artifact folder>
set -euo pipefail

runtime="$1"
artifacts="$2"
mkdir -p "$artifacts"
source "$(dirname "$0")/xvfb_game.sh"

start_xvfb
export SDL_AUDIODRIVER=dummy
start_game "$runtime" "$artifacts/zeru-play.log"
wait_for_window
game="$work/game"

line() { sed -n "${2}p" "$1" | tr -d '\r'; }
shot() { import -window "$window" "$1"; }
dark_pixels() {  # file x y width height
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 25% -negate -format '%[fx:round(mean*w*h)]' info:
}
bouken_dark() { dark_pixels "$1" 306 208 140 25; }

# 1. The record reset, by keyboard only.
rm -f "$game/結果.txt"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Tab
xdotool key space
sleep 1
[ "$(line "$game/dat/my.dat" 1 | iconv -f CP932 -t UTF-8)" = "？？？？" ] || fail "my.dat line 1 is not ？？？？ after the reset"
[ "$(line "$game/dat/my.dat" 18)" = 0 ] || fail "my.dat line 18 is not 0 after the reset"
[ -s "$game/結果.txt" ] || fail "the reset wrote no 結果.txt"
echo "record reset by Tab and Space: my.dat holds ？？？？ and 0, 結果.txt written"

# 2. A record of -1, as a hand-edited my.dat may hold, so that any score beats it: a hero who dies
# early with 0 points still opens the entry. The game reads my.dat at start-up, so it starts anew.
kill "$zeru_pid"
wait "$zeru_pid" 2>/dev/null || true
sed -i '18s/^.*$/-1\r/' "$game/dat/my.dat"
"$game/zeru" >>"$artifacts/zeru-play.log" 2>&1 &
zeru_pid=$!
wait_for_window

# Restart (Button1 at (276, 308)), then adventure (bouken_b at (276, 204)) until the hero dies.
# Clicks made while a message types wait their turn; the hero dies at the latest when the days
# run out (a day every three seconds, and most turns take some), so only a time limit applies.
xdotool mousemove --window "$window" 364 320 click 1
sleep 1.5
turns=0
dead=no
started=$SECONDS
while [ $((SECONDS - started)) -lt 720 ]; do
  xdotool mousemove --window "$window" 364 220 click 1
  turns=$((turns + 1))
  sleep 0.8
  if [ "$turns" -eq 8 ]; then shot "$artifacts/mid-game.png"; fi
  if [ $((turns % 5)) -eq 0 ]; then
    shot "$work/now.png"
    if [ "$(bouken_dark "$work/now.png")" -eq 0 ]; then
      dead=yes
      break
    fi
  fi
done
[ "$dead" = yes ] || fail "the hero still lives after $turns clicks in $((SECONDS - started)) s"
sleep 4  # the death message and a last old-age message may still be typing
shot "$artifacts/dead.png"
echo "the hero died after $turns clicks"
for button in "magic_b 306 244 140 25" "shop_b 306 279 140 23" "bouken_b 306 208 140 25"; do
  set -- $button
  [ "$(dark_pixels "$artifacts/dead.png" "$2" "$3" "$4" "$5")" -eq 0 ] || fail "$1 still looks enabled after the death"
done

# 3. The record entry is open over the picture area (its caption is yellow on black).
yellow="$(convert "$artifacts/dead.png" -crop 273x30+0+0 +repage -fuzz 10% -fill black +opaque yellow \
  -fill white -opaque yellow -colorspace Gray -format '%[fx:round(mean*w*h)]' info:)"
[ "$yellow" -gt 20 ] || fail "the record entry did not open ($yellow yellow pixels in its caption row)"
# entry_l at (48, 92), 177 x 27; OK (Button2) at (168, 172), 101 x 25.
xdotool mousemove --window "$window" 136 105 click 1
xdotool key ctrl+a
xdotool type --delay 50 "ZERU"
sleep 0.5
shot "$artifacts/entry-box.png"
xdotool mousemove --window "$window" 218 184 click 1
sleep 1.5
[ "$(line "$game/dat/my.dat" 1)" = ZERU ] || fail "my.dat line 1 is '$(line "$game/dat/my.dat" 1)', not the entered name"
record="$(line "$game/dat/my.dat" 18)"
[ "$record" -ge 0 ] || fail "my.dat line 18 holds no new record ($record)"
[ "$(line "$game/結果.txt" 2 | iconv -f CP932 -t UTF-8)" = "名前：ZERUさん" ] || fail "結果.txt does not name the new holder"
echo "record stored: ZERU with $record points"

# 4. The restart still works: it asks first, and Enter answers yes.
xdotool mousemove --window "$window" 364 320 click 1
sleep 1
xdotool key Return
sleep 1.5
shot "$artifacts/restarted.png"
[ "$(bouken_dark "$artifacts/restarted.png")" -gt 20 ] || fail "the restart after the death did not start a hero"
kill -0 "$zeru_pid" 2>/dev/null || fail "zeru ended during the test"
echo "play-to-death test passed; screenshots in $artifacts"
