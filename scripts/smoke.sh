#!/usr/bin/env bash
# Plays one move on the real window under Xvfb, as a person would: Roll, then Chance.
# Usage: scripts/smoke.sh [program-dir] [screenshot.png]
# Leaves the screen after the move in screenshot.png and the window with the thrown dice beside
# it as screenshot-rolled.png.
# The program runs from a copy of its directory, so the build's Tarn.ini is never touched.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
PROGRAM_DIR="$(cd "${1:-$ROOT/build/Tarnwick}" && pwd)"
SHOT="$(realpath -m "${2:-smoke.png}")"
ROLLED_SHOT="${SHOT%.png}-rolled.png"

# Window pixels are twips / 15 (see src/ui/Layout.h); each click aims at a control's middle.
ROLL_X=500 ROLL_Y=330      # Roll: 6600,4680 1815x585
CHANCE_X=726 CHANCE_Y=490  # btn_Chance: 9870,7210 2055x285; Chance fits every roll
DICE_AREA=536x154+30+206   # DiceTable: 450,3090 8040x2310
CHANCE_SCORE=27x11+760+481 # Chance's score box: 11400,7220 405x165

WORK="$(mktemp -d)"
XVFB_PID="" GAME_PID=""
cleanup() {
    [[ -n "$GAME_PID" ]] && kill "$GAME_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$WORK/game.log" ]]; then
        echo "--- program output (last lines) ---" >&2
        tail -n 20 "$WORK/game.log" >&2
    fi
    exit 1
}
ok() { echo "ok: $*"; }

[[ -x "$PROGRAM_DIR/tarnwick" ]] || fail "no program at $PROGRAM_DIR/tarnwick (build first)"
cp -a "$PROGRAM_DIR" "$WORK/Tarnwick"
GAME="$WORK/Tarnwick/tarnwick"
INI="$WORK/Tarnwick/Tarn.ini"
[[ -f "$INI" ]] || fail "the program directory has no Tarn.ini"
# Sounds on, so that the first roll loads the sound module.
sed -i '/^PlaySound=/d' "$INI"
if grep -q '^\[Options\]' "$INI"; then
    sed -i 's/^\[Options\]\r\?$/&\nPlaySound=Yes\r/' "$INI"
else
    printf '[Options]\r\nPlaySound=Yes\r\n' >>"$INI"
fi
cp "$INI" "$WORK/Tarn.ini.before"

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
    [[ -s "$WORK/display" ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
done
[[ -s "$WORK/display" ]] || fail "Xvfb gave no display number within 10 s"
export DISPLAY=":$(tr -d '[:space:]' <"$WORK/display")"
ok "Xvfb on $DISPLAY"

mkdir -m 700 "$WORK/runtime"
# A browser that does nothing, in case a click opens an address.
BROWSER=/bin/true XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=xcb \
    "$GAME" >"$WORK/game.log" 2>&1 &
GAME_PID=$!

geometry() { xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: //p'; }
# The splash comes first (unless switched off); the game is the 800x600 window after it.
FIRST="$(timeout 20 xdotool search --sync --onlyvisible --pid "$GAME_PID" 2>/dev/null | head -n 1)" ||
    true
[[ -n "$FIRST" ]] || fail "no visible window from the program within 20 s"
ok "first window $FIRST is visible ($(geometry "$FIRST"))"
WID=""
for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
        [[ "$(geometry "$w")" == 800x600 ]] && WID="$w"
    done
    [[ -n "$WID" ]] && break
    sleep 0.1
done
[[ -n "$WID" ]] || fail "no 800x600 main window within 10 s of the first window"
ok "main window $WID is visible"
# A freshly mapped window paints a moment later.
sleep 1

window_shot() { import -window "$WID" "$1"; }
# Number of pixels that differ inside one area of two window shots.
changed_pixels() {
    compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 || true
}

window_shot "$WORK/start.png"
xdotool mousemove --window "$WID" "$ROLL_X" "$ROLL_Y" click 1
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the program ended after Roll"
window_shot "$WORK/rolled.png"
n="$(changed_pixels "$WORK/start.png" "$WORK/rolled.png" "$DICE_AREA")"
[[ "$n" =~ ^[0-9]+$ && "$n" -gt 500 ]] || fail "the dice did not appear after Roll ($n pixels changed)"
ok "Roll threw the dice ($n pixels changed on the table)"
cp "$WORK/rolled.png" "$ROLLED_SHOT"

# The first sound loaded the sound module, from the program's own directory (the copy).
grep -q " $WORK/Tarnwick/libtarnwick_sound.so\$" "/proc/$GAME_PID/maps" ||
    fail "the sound module was not loaded from $WORK/Tarnwick"
! grep -q "without sound" "$WORK/game.log" || fail "the program plays without sound"
ok "the sound module was loaded from the program's directory"

xdotool mousemove --window "$WID" "$CHANCE_X" "$CHANCE_Y" click 1
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the program ended after choosing Chance"
window_shot "$WORK/scored.png"
n="$(changed_pixels "$WORK/rolled.png" "$WORK/scored.png" "$CHANCE_SCORE")"
[[ "$n" =~ ^[0-9]+$ && "$n" -gt 10 ]] || fail "no score appeared beside Chance ($n pixels changed)"
ok "Chance took a score ($n pixels changed in its box)"

import -window root "$SHOT"
ok "screenshots in $SHOT and $ROLLED_SHOT"

[[ -f "$INI" ]] || fail "Tarn.ini is gone"
if cmp -s "$INI" "$WORK/Tarn.ini.before"; then
    fail "Tarn.ini was not written after a move"
fi
ok "Tarn.ini is still there and was written"

kill -0 "$GAME_PID" 2>/dev/null || fail "the program is no longer running"
ok "the program is alive"

kill -TERM "$GAME_PID"
for _ in $(seq 50); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null; then
    kill -KILL "$GAME_PID"
    fail "the program ignored SIGTERM for 5 s"
fi
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
ok "the program stopped on SIGTERM"
echo "Smoke check passed."
