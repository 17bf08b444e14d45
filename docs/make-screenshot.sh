#!/usr/bin/env bash
# Remakes docs/hauptfenster.png, the README's picture of the main window with a search result:
# the built program runs under Xvfb on a copy of the build's application folder with default
# settings, and searches "st#ll#". Needs a build (./vondrik.sh test, or cmake --build build)
# and the Debian packages xvfb, xauth, xdotool, x11-utils and imagemagick.
#
#   docs/make-screenshot.sh [application folder, default build/app]
set -euo pipefail
docs="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(dirname "$docs")"
app="${1:-$repo/build/app}"
[ -x "$app/vondrik" ] && [ -f "$app/daten/daten.mdb" ] || {
    echo "No built program in $app: build first (./vondrik.sh test)." >&2
    exit 1
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Only what the build lays out, so that the picture shows the defaults and not this
# machine's settings, reminders or changed dictionary state files.
mkdir -p "$work/app/daten"
cp -r "$app/vondrik" "$app/ton" "$app/hintergrund" "$app/Vondrik-Hilfe" "$work/app/"
cp "$app"/daten/{daten.mdb,lcd.ttf,keystroke.ttf,vondrik.svg} "$app"/daten/wecker*.png \
    "$work/app/daten/"

status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$repo/packaging/drive-search.sh" \
    "$work/app/vondrik" "st#ll#" "$work/shot.png" >"$work/log" 2>&1 || status=$?
grep -v -e "audio device" -e PulseAudio -e XDG_RUNTIME_DIR "$work/log" || true
[ "$status" -eq 0 ] || exit "$status"
# Without time stamps, so an unchanged window gives an unchanged file.
convert "$work/shot.png" -strip "$docs/hauptfenster.png"
echo "written: docs/hauptfenster.png"
