#!/bin/sh
# Installs the Debian packages that building, running and testing the lesson need,
# but only those that are missing, so a second run costs nothing.
set -eu

packages="cmake g++ make ninja-build qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core \
xvfb xauth poppler-utils dpkg-dev file desktop-file-utils appstream \
x11-utils xdotool dbus-x11 python3-pyatspi at-spi2-core dbus-daemon openbox \
orca speech-dispatcher procps python3-psutil python3-pil qt6-l10n-tools qt6-tools-dev \
qt6-translations-l10n"
# Targets that need more (make bench, fuzz, sanitize) name their extra packages as arguments.
packages="$packages $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "These Debian packages are missing:$missing" >&2
    echo "Install them as root (apt-get install$missing) and run make again." >&2
    exit 1
fi

echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
