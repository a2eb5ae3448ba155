# Shared by scripts/run and scripts/test: the Debian packages the game needs, installed when missing.
# shellcheck shell=bash

IXA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Build: compiler, CMake, Qt 6 and GoogleTest, and XCB (found with pkg-config) to ask the X11
# window manager whether a closed window is gone. Run: the Arial-compatible font with Czech glyphs,
# Qt's Czech texts. Tests and headless runs: a virtual X server, xdotool to close windows, a
# window manager so that maximised windows behave as on a desktop, ImageMagick's import for
# screenshots and display for a desktop picture, and a Czech locale (a decimal comma the game's
# numbers must not follow), and xrandr to split a virtual screen into two monitors. Wayland
# compositors without a screen and Qt's Wayland platform; sway with the desktop's portal (its
# wlroots backend needs PipeWire), grim to take its screen and wtype to type on it, and Python's
# D-Bus bindings for a stand-in portal that answers oddly; a session bus with the accessibility bus that screen readers listen on, and the
# desktop's screen reader with its speech service, which a test plays a game with, and the Czech voice whose pace its silent voice keeps. The installed files are
# checked with the distribution's validators, the program's hardening with readelf, and the start
# argument is fuzzed with clang's libFuzzer. The pictures' generator writes the icon also as SVG.
IXA_PACKAGES=(
  g++ cmake make
  qt6-base-dev qt6-translations-l10n
  libgtest-dev libgmock-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool openbox imagemagick locales pkg-config libxcb1-dev x11-xserver-utils
  weston qt6-wayland dbus-daemon at-spi2-core orca speech-dispatcher espeak-ng
  sway xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire grim wtype
  python3-dbus python3-gi
  desktop-file-utils appstream man-db binutils
  clang libclang-rt-14-dev
  qt6-svg-dev
)

ixa_missing_packages() {
  local missing=() p
  for p in "${IXA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

ixa_install_missing() {
  local missing
  missing=$(ixa_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. As root, run:"
    echo "  apt-get update && apt-get install -y --no-install-recommends $missing"
    exit 1
  fi
  echo "Installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
}

# The optimised, hardened program that scripts/run starts and whose hardening the tests check.
ixa_build_release() {
  IXA_RELEASE="$IXA_ROOT/build-release"
  cmake -S "$IXA_ROOT" -B "$IXA_RELEASE" -DCMAKE_BUILD_TYPE=Release -DIXA_TESTS=OFF >/dev/null
  cmake --build "$IXA_RELEASE" -j "$(ixa_jobs)"
}

# The pictures the game bundles are the generator's own: drawn afresh, the same bytes, and none
# that it no longer draws (CMake bundles every assets/*.png). Built apart, optimised: a few seconds.
ixa_check_pictures() {
  local art="$IXA_ROOT/build-art" fresh
  cmake -S "$IXA_ROOT" -B "$art" -DCMAKE_BUILD_TYPE=Release -DIXA_DRAWART=ON -DIXA_TESTS=OFF >/dev/null
  cmake --build "$art" --target ixa-drawart -j "$(ixa_jobs)" >/dev/null
  fresh=$(mktemp -d)
  "$art/assets/generator/ixa-drawart" "$fresh" >/dev/null
  if ! diff -r -q -x README.md -x generator "$IXA_ROOT/assets" "$fresh"; then
    rm -rf "$fresh"
    echo "assets/ is not what assets/generator draws: redraw it as assets/README.md says"
    return 1
  fi
  rm -rf "$fresh"
}

ixa_jobs() {
  nproc 2>/dev/null || echo 2
}
