#!/usr/bin/env bash
# Builds the program and starts it from the build tree (build/Lumarel is its program folder).
# Without a display it runs under Xvfb, saves a screenshot of the main window and stops.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/deps.sh"
if [ -n "${DISPLAY:-}" ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
else
    ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" xvfb xauth imagemagick
fi
configure_and_build "$root"
program="$root/build/Lumarel/lumarel"
if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

shot="$root/build/screenshot.png"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" "$program" &
app=$!
sleep "${LUMAREL_SHOT_DELAY:-4}"
DISPLAY="$display" import -window root "$shot"
echo "No display: the program ran under Xvfb; screenshot saved to $shot"
