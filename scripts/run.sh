#!/bin/sh
# Starts the lesson, or explains in one line what to do when there is no display to show it on.
set -eu
program="${1:-build/two-circles}"

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "two-circles: no display found (DISPLAY is not set); run it on a desktop, or on a virtual one with: xvfb-run -a $program" >&2
    exit 1
fi
exec "$program"
