#!/usr/bin/env bash
# The game's sound end to end: the built game runs on a private Xvfb with SDL's disk driver, which
# writes everything the device plays to a file. A restart must be heard as 1.wav followed by
# start.wav, and the adventure turns that follow must each be heard in full while their messages
# type.
# Usage: sound_end_to_end_test.sh <runtime folder> <sound_stream_check> <artifact folder>
set -euo pipefail

runtime="$1"
check="$2"
artifacts="$3"
mkdir -p "$artifacts"
source "$(dirname "$0")/xvfb_game.sh"

start_xvfb
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$work/played.raw"
start_game "$runtime" "$artifacts/zeru-sound.log"
wait_for_window

# Restart (Button1 at (276, 308), 177 x 25), then four adventure turns (bouken_b at (276, 204)).
xdotool mousemove --window "$window" 364 320 click 1
sleep 2
for _ in 1 2 3 4; do
  xdotool mousemove --window "$window" 364 220 click 1
  sleep 2.5
done
sleep 2
kill "$zeru_pid"
wait "$zeru_pid" 2>/dev/null || true
zeru_pid=""
cp "$work/played.raw" "$artifacts/played.raw"

dat="$work/game/dat"
cues=()
for cue in teki hi boss ex wana takara hakken hp vo nakama toki lv die; do cues+=("$dat/$cue.wav"); done
"$check" "$work/played.raw" "$dat/1.wav" "$dat/start.wav" "${cues[@]}"
echo "sound end-to-end test passed; the recording is $artifacts/played.raw"
