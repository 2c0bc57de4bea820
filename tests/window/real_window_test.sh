#!/usr/bin/env bash
# Runs the built game in a real X window on a private Xvfb and drives it with xdotool:
# the window's size and title, the running title animation, and a restart that shows the start
# picture and enables the game buttons. Screenshots are kept in the artifact folder.
# Usage: real_window_test.sh <runtime folder with zeru, dat/ and cg/> <artifact folder>
set -euo pipefail

runtime="$1"
artifacts="$2"
mkdir -p "$artifacts"
source "$(dirname "$0")/xvfb_game.sh"

start_xvfb
start_game "$runtime" "$artifacts/zeru.log"
wait_for_window

info="$(xwininfo -id "$window")"
width="$(sed -n 's/^ *Width: //p' <<<"$info")"
height="$(sed -n 's/^ *Height: //p' <<<"$info")"
[ "$width" = 455 ] && [ "$height" = 351 ] || fail "window is ${width}x${height}, not 455x351"
title="$(xdotool getwindowname "$window")"
[ "$title" = "ザムリザムリヨルネピア　ver1.0 Zeru Works" ] || fail "window title is '$title'"

# The picture area (273 x 200 at the top left) of a screenshot of the window.
shot() { import -window "$window" "$1"; }
picture_area() { convert "$1" -crop 273x200+0+0 +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1; }

shot "$artifacts/title.png"
first="$(picture_area "$artifacts/title.png")"
animated=no
for i in $(seq 20); do
  sleep 0.05
  shot "$work/title-$i.png"
  if [ "$(picture_area "$work/title-$i.png")" != "$first" ]; then
    animated=yes
    cp "$work/title-$i.png" "$artifacts/title-later.png"
    break
  fi
done
[ "$animated" = yes ] || fail "the title animation does not run (the picture area never changed)"

# Restart: Button1 lies at (276, 308), 177 x 25.
xdotool mousemove --window "$window" 364 320 click 1
sleep 1.5
shot "$artifacts/started.png"

# The start picture fills the picture area, stretched; compare above the map and days lines.
convert "$work/game/cg/start.bmp" -sample '273x200!' -crop 273x168+0+0 +repage "$work/expected.png"
convert "$artifacts/started.png" -crop 273x168+0+0 +repage "$work/shown.png"
difference="$(compare -metric RMSE "$work/expected.png" "$work/shown.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)"
awk -v d="$difference" 'BEGIN { exit !(d < 0.05) }' ||
  fail "the picture area does not show the start picture (normalised RMSE $difference)"
echo "start picture shown (normalised RMSE $difference against the stretched start.bmp)"

# Game buttons: an enabled button draws its caption and glyph dark, a disabled one grey. Count
# dark pixels on each button's face before and after the restart.
dark_pixels() {  # file x y width height
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 25% -negate -format '%[fx:round(mean*w*h)]' info:
}
for button in "bouken_b 306 208 140 25" "magic_b 306 244 140 25" "shop_b 306 279 140 23"; do
  set -- $button
  before="$(dark_pixels "$artifacts/title.png" "$2" "$3" "$4" "$5")"
  after="$(dark_pixels "$artifacts/started.png" "$2" "$3" "$4" "$5")"
  [ "$before" -eq 0 ] || fail "$1 shows dark caption pixels before the restart ($before)"
  [ "$after" -gt 20 ] || fail "$1 does not look enabled after the restart ($after dark pixels)"
  echo "$1: $before dark pixels before the restart, $after after"
done

kill -0 "$zeru_pid" 2>/dev/null || fail "zeru ended during the test"
echo "real window test passed; screenshots in $artifacts"
