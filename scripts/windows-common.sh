# Shared by scripts/build-windows and scripts/test-windows: the packages of the
# Windows build, Qt for Windows cross-built once into a cache, the toolchain
# file, the Wine wrapper that runs Windows programs, and a Wine prefix of the
# build's own.
#
# Qt for Windows is Debian's own Qt source (the version of the installed
# qt6-base-dev, so that Debian's moc, rcc and uic serve as its host tools),
# cross-built with mingw-w64 into
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm/qt-<version>-<options hash>
# The first run takes about half an hour on two cores; every later run, and a
# fresh clone on the same machine, reuses it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis
    fonts-wine zip dpkg-dev xz-utils googletest xvfb openbox x11-utils)
MINGW_PREFIX=x86_64-w64-mingw32
MULTIARCH=$(gcc -print-multiarch 2>/dev/null || echo x86_64-linux-gnu)
CACHE_ROOT="${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm"
WINDOWS_BUILD="$ROOT/build/windows"

# Qt is configured as a shared build with its bundled third-party libraries and
# without the modules and features this program does not use. Tablet events are
# off: the tablet code of the Windows platform plugin needs the Wintab headers,
# which Debian's source leaves out as non-free; without them a pen still acts
# as a mouse through Windows' pointer messages, all a chart needs.
QT_OPTIONS=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
    -DFEATURE_glib=OFF -DFEATURE_pkg_config=OFF -DFEATURE_androiddeployqt=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF
)

# Steps the scripts' end runs, however they end.
EXIT_STEPS=()
run_exit_steps() {
    local step
    for step in "${EXIT_STEPS[@]}"; do "$step"; done
}
trap run_exit_steps EXIT

as_root() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# The toolchain file of mingw-w64 with POSIX threads (std::thread and
# std::mutex need them), for Qt's build and, chain-loaded by Qt's own toolchain
# file, for ours.
write_mingw_toolchain() {
    local file=$1
    mkdir -p "$(dirname "$file")"
    cat >"$file.new" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $MINGW_PREFIX-gcc-posix)
set(CMAKE_CXX_COMPILER $MINGW_PREFIX-g++-posix)
set(CMAKE_RC_COMPILER $MINGW_PREFIX-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/$MINGW_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
EOF
    mv "$file.new" "$file"
}

qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# Sets QT_WINDOWS to the cached Qt for Windows, building it first if needed.
ensure_windows_qt() {
    local version key source_dir work
    version=$(qt_source_version)
    key=$(printf '%s\n' "$version" "$(x86_64-w64-mingw32-g++-posix -dumpfullversion)" "${QT_OPTIONS[@]}" |
        sha256sum | cut -c1-12)
    QT_WINDOWS="$CACHE_ROOT/qt-${version%%+*}-mingw-$key"
    if [ -f "$QT_WINDOWS/.complete" ]; then
        return 0
    fi
    echo "Building Qt $version for Windows into $QT_WINDOWS (once; about 30 minutes on two cores)"
    work="$CACHE_ROOT/work-$key"
    rm -rf "$work" "$QT_WINDOWS"
    mkdir -p "$work"

    # Debian's source of the installed Qt, from a source list of our own.
    local list=/etc/apt/sources.list.d/tavio-biorhythm-qt-source.sources
    if [ ! -f "$list" ]; then
        as_root tee "$list" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        as_root apt-get update -qq
    fi
    (cd "$work" && apt-get source -qq "qt6-base=$version" >/dev/null 2>"$work/source.log") || {
        cat "$work/source.log" >&2
        return 1
    }
    source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    # Qt 6.4 compiles its DirectWrite font engine and font database only
    # together with Direct2D (off here), but the print engine and the windows
    # platform plugin use them whenever DirectWrite is on, and fail to link:
    # they follow the same condition as the code they call.
    sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
        "$source_dir/src/printsupport/platform/windows/qprintengine_win.cpp"
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        "$source_dir/src/plugins/platforms/windows/qwindowsintegration.cpp"
    # Likewise its dynamic OpenGL stays on with OpenGL off, and the windows
    # platform plugin then asks for OpenGL classes that were never compiled.
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$source_dir/src/plugins/platforms/windows/qwindowswindow.cpp"

    write_mingw_toolchain "$work/mingw.cmake"
    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
        -DCMAKE_INSTALL_PREFIX="$QT_WINDOWS" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$MULTIARCH/cmake" \
        "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 || {
        tail -n 60 "$work/configure.log" >&2
        return 1
    }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || {
        grep -n -B2 -A10 'FAILED\|error:' "$work/build.log" | head -n 80 >&2
        return 1
    }
    cmake --install "$work/build" >/dev/null
    echo "$version" >"$QT_WINDOWS/.complete"
    rm -rf "$work"
    echo "Qt for Windows is in $QT_WINDOWS ($(du -sh "$QT_WINDOWS" | cut -f1))"
}

# The folders of the mingw runtime DLLs (libstdc++, libgcc_s, winpthread).
mingw_runtime_dirs() {
    dirname "$($MINGW_PREFIX-g++-posix -print-file-name=libstdc++-6.dll)"
    dirname "$($MINGW_PREFIX-g++-posix -print-file-name=libwinpthread-1.dll)"
}

# write_wine_wrapper FILE PREFIX: a command that runs a Windows program under
# Wine in the Wine prefix PREFIX, finding Qt's and mingw's DLLs through
# WINEPATH; CMake runs the tests and the build's own tools through it
# (CMAKE_CROSSCOMPILING_EMULATOR). Wine's own messages are kept quiet, and it
# never asks to install Mono or Gecko.
write_wine_wrapper() {
    local file=$1 prefix=$2 path="" dir
    for dir in "$QT_WINDOWS/bin" $(mingw_runtime_dirs); do
        path+="${path:+;}Z:${dir//\//\\}"
    done
    mkdir -p "$(dirname "$file")"
    cat >"$file" <<WRAPPER
#!/bin/sh
export WINEPREFIX="$prefix"
export WINEPATH="$path"
export WINEDEBUG=\${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export QT_PLUGIN_PATH="Z:${QT_WINDOWS//\//\\}\\plugins"
# Wine keeps the host's QT_ variables (they belong to the host's Qt) from a
# Windows program and hands it WINEQT_... as QT_... instead.
for name in \$(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE\$name=\"\\\$\$name\""
done
exec wine "\$@"
WRAPPER
    chmod +x "$file"
}

# ensure_wine_prefix PREFIX: a Wine prefix made once (about 12 s).
ensure_wine_prefix() {
    local prefix=$1
    if [ -f "$prefix/system.reg" ]; then
        return 0
    fi
    mkdir -p "$prefix"
    WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w
}

# write_windows_toolchain FILE WRAPPER: the toolchain file of our Windows
# builds: Qt's own (which finds the Qt for Windows and Debian's host tools),
# chain-loading mingw's, with Wine as the emulator that runs what the build
# makes (the icon tool, the test discovery, the tests).
write_windows_toolchain() {
    local file=$1 wrapper=$2
    write_mingw_toolchain "$(dirname "$file")/mingw.cmake"
    cat >"$file" <<EOF
set(QT_CHAINLOAD_TOOLCHAIN_FILE "$(dirname "$file")/mingw.cmake")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/$MULTIARCH/cmake")
set(CMAKE_CROSSCOMPILING_EMULATOR "$wrapper")
include("$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake")
EOF
}

# prepare_windows_build: the Wine wrapper (build/windows/wine-run), its
# prefix and the toolchain file (build/windows/toolchain.cmake) that both
# Windows builds configure with.
prepare_windows_build() {
    mkdir -p "$WINDOWS_BUILD"
    write_wine_wrapper "$WINDOWS_BUILD/wine-run" "$WINDOWS_BUILD/wine-prefix"
    write_windows_toolchain "$WINDOWS_BUILD/toolchain.cmake" "$WINDOWS_BUILD/wine-run"
    ensure_wine_prefix "$WINDOWS_BUILD/wine-prefix"
    # A Wine program that finds no Wine server starts one, and the services
    # beside it, and they inherit its standard output: whoever reads that
    # output (ninja, CTest) then waits for them to go, about 3 s a program.
    # One server started here with nothing to inherit serves the whole run.
    WINEPREFIX="$WINDOWS_BUILD/wine-prefix" wineserver -p </dev/null >/dev/null 2>&1
    "$WINDOWS_BUILD/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
    EXIT_STEPS+=(stop_wine_server)
}

stop_wine_server() {
    WINEPREFIX="$WINDOWS_BUILD/wine-prefix" wineserver -k 2>/dev/null || true
}

# With no display, Wine cannot make a window: start_virtual_display starts
# Xvfb on a free display number with openbox on it, so that focus,
# activation and stay-on-top behave as on a desktop, and exports DISPLAY.
start_virtual_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PIDS=($!)
    export DISPLAY=":$n"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
        sleep 0.2
        tries=$((tries + 1))
        [ "$tries" -lt 50 ] || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
    done
    openbox >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PIDS+=($!)
    EXIT_STEPS+=(stop_virtual_display)
}

stop_virtual_display() {
    kill "${VIRTUAL_DISPLAY_PIDS[@]}" 2>/dev/null || true
}
