#!/usr/bin/env bash
# Builds the game and starts it.
source "$(dirname "$0")/scripts/common.sh"
install_deps
build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: set DISPLAY (for example start 'Xvfb :99 &' and 'export DISPLAY=:99')." >&2
    exit 1
fi
exec "$BUILD/Tarnwick/tarnwick"
