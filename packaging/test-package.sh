#!/bin/sh
# Builds the Debian package, installs it, and checks that a classroom desktop gets what it needs:
# the program, a valid desktop entry and AppStream metadata, the icon, and a program that starts.
# Usage: test-package.sh BUILD_DIR. As root the package is installed with dpkg -i (as on a
# classroom machine); otherwise it is unpacked into a scratch folder and checked there.
set -eu
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >/dev/null)
deb="$(ls "$scratch"/pkg/two-circles_*.deb)"
echo "built $(basename "$deb")"

dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks Qt Widgets"; exit 1; }

if [ "$(id -u)" -eq 0 ] && [ "${TWO_CIRCLES_PACKAGE_UNPACK_ONLY:-}" = "" ]; then
    dpkg -i "$deb" >/dev/null
    root=""
else
    dpkg-deb -x "$deb" "$scratch/root"
    root="$scratch/root"
fi

for f in usr/bin/two-circles \
         usr/share/applications/org.example.TwoCircles.desktop \
         usr/share/icons/hicolor/scalable/apps/org.example.TwoCircles.svg \
         usr/share/metainfo/org.example.TwoCircles.metainfo.xml; do
    [ -e "$root/$f" ] || { echo "missing /$f"; exit 1; }
done
echo "installed files present"

desktop-file-validate "$root/usr/share/applications/org.example.TwoCircles.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.TwoCircles.metainfo.xml" >/dev/null
echo "desktop entry and metadata valid"

# The installed program starts and keeps its window open until it is stopped, in a language its
# translations, compiled into it, have.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/two-circles" --language de 2>"$scratch/said" ||
    status=$?
[ "$status" -eq 124 ] || { echo "two-circles exited early with status $status"; exit 1; }
if grep -q "no translation" "$scratch/said"; then echo "the installed program has no German"; exit 1; fi
echo "installed program runs, in German too"
