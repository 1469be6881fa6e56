#!/usr/bin/env bash
# Builds the game and runs every test (headless).
source "$(dirname "$0")/scripts/common.sh"
install_deps
build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
