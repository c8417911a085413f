#!/usr/bin/env bash
# Installs, from Debian's packages, everything needed to build, test and run Zampora.
# Idempotent and non-interactive: packages already present are left alone.
#   --with-office   also installs LibreOffice Calc and Writer (headless), which
#                   the round-trip test of the exported documents runs when present
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6
    # The weight chart of the dog's weight log. Qt Charts' CMake files need
    # Qt OpenGL's, which its package does not pull in.
    qt6-charts-dev libqt6opengl6-dev
    qt6-image-formats-plugins libgl-dev libglx-dev
    # The toolkit's own buttons and dialogs in Italian.
    qt6-translations-l10n
    # Qt Multimedia plays the alarm MP3 through GStreamer: the decoder and
    # parser (good), the converters (base) and the sound outputs.
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio gstreamer1.0-alsa
    libbenchmark-dev
    # The schedule's calendar export writes iCalendar through libical; the
    # backup writes and reads ZIP archives through libarchive and hashes
    # through nettle. Python's icalendar is a second, independent reader of
    # the exported calendars.
    libical-dev libarchive-dev nettle-dev python3-icalendar
    fonts-liberation fonts-dejavu-core
    xvfb xauth
    poppler-utils
    # The Debian package: CPack's dependency computation (dpkg-shlibdeps, and
    # file to spot the programs) and the checks of the package and its
    # desktop entry.
    dpkg-dev file desktop-file-utils appstream lintian
)

for arg in "$@"; do
    case "$arg" in
        --with-office) packages+=(libreoffice-calc-nogui libreoffice-writer-nogui) ;;
        *) echo "usage: $0 [--with-office]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
