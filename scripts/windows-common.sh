# Shared by scripts/build-windows and scripts/test-windows: the packages of the
# Windows build, Qt for Windows cross-built once into a cache, and the Wine
# prefix and server that run the build's Windows programs. The configuration
# itself is CMakePresets.json's windows-release and windows-test, with the
# toolchain file cmake/toolchains/mingw-w64-x86_64.cmake.
#
# Qt for Windows is Debian's own Qt source (the version of the installed
# qt6-base-dev, so that Debian's moc, rcc and uic serve as its host tools),
# cross-built with mingw-w64 into
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm/qt-<version>-<options hash>
# The first run takes about half an hour on two cores; every later run, and a
# fresh clone on the same machine, reuses it. The link
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm/qt-windows
# names the one in use; the toolchain file takes it by default.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis
    fonts-wine zip dpkg-dev xz-utils googletest xvfb openbox x11-utils)
# Qt's own build takes the plain compilers: its configure checks read the
# toolchain file again, without the options given to the build.
QT_TOOLCHAIN_FILE="$ROOT/cmake/toolchains/mingw-w64-x86_64-plain.cmake"
MINGW_PREFIX=x86_64-w64-mingw32
MULTIARCH=$(gcc -print-multiarch 2>/dev/null || echo x86_64-linux-gnu)
# The Wine prefix that the toolchain's wine-run uses by default.
export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/tavio-biorhythm/wine-prefix"
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
    # The project's own configure checks read the toolchain file again too:
    # the environment names the same Qt to them.
    export BIORHYTHM_WINDOWS_QT="$QT_WINDOWS"
    if [ -f "$QT_WINDOWS/.complete" ]; then
        ln -sfn "$QT_WINDOWS" "$CACHE_ROOT/qt-windows"
        return 0
    fi
    echo "Building Qt $version for Windows into $QT_WINDOWS (once; about 30 minutes on two cores)"
    work="$CACHE_ROOT/work-$key"
    rm -rf "$work" "$QT_WINDOWS"
    mkdir -p "$work"

    # Debian's source of the installed Qt, from a source list of our own.
    local list=/etc/apt/sources.list.d/tavio-biorhythm-qt-source.list
    if [ ! -f "$list" ]; then
        local site='deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian'
        printf '%s\n' "$site bookworm main" "$site bookworm-updates main" "$site-security bookworm-security main" |
            as_root tee "$list" >/dev/null
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

    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QT_TOOLCHAIN_FILE" \
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
    ln -sfn "$QT_WINDOWS" "$CACHE_ROOT/qt-windows"
    rm -rf "$work"
    echo "Qt for Windows is in $QT_WINDOWS ($(du -sh "$QT_WINDOWS" | cut -f1))"
}

# start_wine: the Wine prefix, made once (about 12 s), and one Wine server
# for the whole run. A Wine program that finds no server starts one, and the
# services beside it, and they inherit its standard output: whoever reads
# that output (ninja, CTest) then waits for them to go, about 3 s a program.
# Started here with nothing to inherit, they serve every program after.
start_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" wineboot -i </dev/null >/dev/null 2>&1
        wineserver -w
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    WINEDEBUG=-all wine cmd /c exit </dev/null >/dev/null 2>&1
    EXIT_STEPS+=(stop_wine)
}

stop_wine() {
    wineserver -k 2>/dev/null || true
}
