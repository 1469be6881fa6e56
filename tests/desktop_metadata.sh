#!/usr/bin/env bash
# Validates <base>.desktop and <base>.metainfo.xml with the desktop's own tools (deps.txt has
# them; a missing one fails here rather than passing unchecked).
set -uo pipefail
base="$1"
status=0
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (install deps.txt)"; exit 1; }
done
desktop-file-validate "$base.desktop" || { echo "FAIL: $base.desktop"; status=1; }
appstreamcli validate --no-net --explain "$base.metainfo.xml" || { echo "FAIL: $base.metainfo.xml"; status=1; }
# The three names agree.
id="$(basename "$base")"
grep -qx "Icon=$id" "$base.desktop" || { echo "FAIL: the desktop file's Icon is not $id"; status=1; }
grep -q "<id>$id</id>" "$base.metainfo.xml" || { echo "FAIL: the metainfo's id is not $id"; status=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$base.metainfo.xml" ||
    { echo "FAIL: the metainfo does not launch $id.desktop"; status=1; }
exit $status
