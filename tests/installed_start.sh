#!/usr/bin/env bash
# Installs the build into a read-only prefix and starts the installed program with an empty
# home folder, headless: it must fill ~/.local/share/tarnwick from the installed data, find its
# languages there, unpack its nine sounds into it and record them in Tarn.ini, and write
# nothing into the prefix. The game has no options, so it is ended once its files are there.
# Usage: installed_start.sh <cmake> <build folder>
set -uo pipefail
CMAKE="$1" BUILD="$2"
WORK="$(mktemp -d)"
GAME_PID=""
cleanup() {
    [[ -n "$GAME_PID" ]] && kill "$GAME_PID" 2>/dev/null
    wait 2>/dev/null
    chmod -R u+w "$WORK"
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [[ -s "$WORK/game.log" ]] && { echo "--- program output ---"; tail -n 20 "$WORK/game.log"; }
    exit 1
}

PREFIX="$WORK/prefix"
"$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install: $(tail -n 5 "$WORK/install.log")"
for f in bin/tarnwick lib/tarnwick/libtarnwick_sound.so share/tarnwick/Tarn.ini \
    share/tarnwick/English.lan share/tarnwick/Swedish.lan share/tarnwick/Res.pac \
    share/tarnwick/Version.txt share/tarnwick/Beep.wav \
    share/applications/org.example.tarnwick.desktop \
    share/metainfo/org.example.tarnwick.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.example.tarnwick.svg \
    share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/org.example.tarnwick.png; do
    [[ -f "$PREFIX/$f" ]] || fail "the installation has no $f"
done
chmod -R a-w "$PREFIX"
listing() { find "$PREFIX" -printf '%p %s %T@\n' | sort; }
before="$(listing)"

HOME_DIR="$WORK/home"
STATE="$HOME_DIR/.local/share/tarnwick"
mkdir "$HOME_DIR"
env -u XDG_DATA_HOME HOME="$HOME_DIR" QT_QPA_PLATFORM=offscreen \
    "$PREFIX/bin/tarnwick" >"$WORK/game.log" 2>&1 &
GAME_PID=$!

SOUNDS=(dice.wav points.wav Bonus.wav Yahoo2.wav Yatzy.wav Laser.wav beep.wav pop.wav doink.wav)
unpacked() {
    grep -q '^del=9' "$STATE/Tarn.ini" 2>/dev/null || return 1
    for s in "${SOUNDS[@]}"; do [[ -f "$STATE/$s" ]] || return 1; done
}
deadline=$((SECONDS + 20))
until unpacked; do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before unpacking its sounds"
    ((SECONDS < deadline)) || fail "no unpacked sounds in $STATE after 20 s: $(ls -A "$STATE" 2>&1)"
    sleep 0.1
done
kill -0 "$GAME_PID" 2>/dev/null || fail "the game did not keep running"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
GAME_PID=""

for f in English.lan Swedish.lan Res.pac Version.txt Beep.wav .shipped; do
    [[ -f "$STATE/$f" ]] || fail "no $f in $STATE"
done
cmp -s "$STATE/English.lan" "$PREFIX/share/tarnwick/English.lan" || fail "English.lan differs"
# The languages were found there: the registry names both, and the game read the selected one.
grep -q '^l2p=Swedish.lan' "$STATE/Tarn.ini" || fail "Tarn.ini does not list Swedish.lan"
[[ "$(stat -c %a "$STATE")" == 700 ]] || fail "$STATE is not private to the player"
[[ "$before" == "$(listing)" ]] || fail "the game changed the installed prefix"
echo "ok: installed game started from $PREFIX/bin and keeps its state in $STATE"
ls -A "$STATE"
