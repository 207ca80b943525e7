# Shared by the scripts: installs the Debian packages that are missing (and
# only those), configures and builds a preset of CMakePresets.json, and gives a
# script a display.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages the program needs to build and run.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core help2man)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build PRESET [cmake options...]: the configure and build
# presets of that name.
configure_and_build() {
    local preset=$1
    shift
    (cd "$ROOT" && cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset")
}

# project_version BUILD_DIR: the version the top CMakeLists.txt gives the
# project, as the configured build folder read it.
project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# with_display "$@": runs the calling script again under a virtual X display
# of its own (xvfb-run picks a free one) when there is none, with SIZE
# (WxH, default 1280x1024) as its screen; returns when there is one.
with_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    exec xvfb-run -a -s "-screen 0 ${SCREEN_SIZE:-1280x1024}x24 -nolisten tcp" "$0" "$@"
}

# start_window_manager: openbox on the display, once it has taken charge of
# it, so that focus, activation and stay-on-top behave as on a desktop; with a
# home of its own in the user's cache, where it keeps a log and sessions. It
# ends with the display.
OPENBOX_HOME="${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm/openbox"
start_window_manager() {
    local home=$OPENBOX_HOME
    mkdir -p "$home"
    HOME="$home" XDG_CACHE_HOME="$home/.cache" XDG_CONFIG_HOME="$home/.config" \
        openbox --sm-disable >"$home/openbox.log" 2>&1 &
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not start; it wrote:" >&2
    cat "$home/openbox.log" >&2
    return 1
}
