# Shared by run.sh and test.sh: installs, builds, prepares the project's Wine prefix and a display.
# Sourced, not run. Every process started here is recorded so that lanxi_cleanup can end it.

LANXI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$LANXI_ROOT/tools/arch.sh"
# build/ holds the 32-bit program (build/lanxi.exe); build/win64 the same sources for 64-bit Windows.
LANXI_BUILD=${LANXI_BUILD:-$LANXI_ROOT/build}
LANXI_BUILD64=$LANXI_BUILD/win64
# The build whose programs Wine runs here: the 32-bit one wherever the kernel can run 32-bit code.
if lanxi_kernel_runs_i386; then LANXI_RUN_BUILD=$LANXI_BUILD; else LANXI_RUN_BUILD=$LANXI_BUILD64; fi
export WINEPREFIX=${WINEPREFIX:-$LANXI_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export LANG=zh_CN.UTF-8 LC_MESSAGES=C
unset LC_ALL
LANXI_XVFB_PID=
LANXI_WINESERVER_STARTED=

lanxi_log() { printf '== %s\n' "$*"; }

lanxi_install() {
    if [ "$(id -u)" = 0 ]; then
        bash "$LANXI_ROOT/tools/install-deps.sh"
    elif ! command -v wine >/dev/null || ! command -v i686-w64-mingw32-g++-posix >/dev/null; then
        sudo bash "$LANXI_ROOT/tools/install-deps.sh"
    fi
}

# lanxi_build DIR TOOLCHAIN [cmake --build arguments...]
lanxi_build() {
    local dir=$1 toolchain=$2 jobs
    shift 2
    jobs=$(nproc 2>/dev/null || echo 2)
    mkdir -p "$dir"
    cmake -S "$LANXI_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$LANXI_ROOT/cmake/$toolchain.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DLANXI_WERROR=${LANXI_WERROR:-OFF} >"$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log"; return 1; }
    cmake --build "$dir" -j"$jobs" "$@"
}

# The programs a user runs: the 32-bit build always, and the 64-bit one where Wine needs it.
lanxi_build_programs() {
    lanxi_build "$LANXI_BUILD" mingw-i686 --target programs || return 1
    if [ "$LANXI_RUN_BUILD" != "$LANXI_BUILD" ]; then
        lanxi_build "$LANXI_BUILD64" mingw-x86_64 --target programs || return 1
    fi
}

lanxi_build_host() {
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    mkdir -p "$LANXI_BUILD/host"
    cmake -S "$LANXI_ROOT" -B "$LANXI_BUILD/host" -DCMAKE_BUILD_TYPE=Debug -DLANXI_WERROR=${LANXI_WERROR:-OFF} \
          -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined" >"$LANXI_BUILD/host/configure.log" 2>&1 ||
        { cat "$LANXI_BUILD/host/configure.log"; return 1; }
    cmake --build "$LANXI_BUILD/host" -j"$jobs"
}

# A display of our own unless one is given; -noreset keeps the pointer where tests put it.
lanxi_display() {
    if [ -n "${DISPLAY:-}" ] && [ "${LANXI_OWN_DISPLAY:-0}" != 1 ]; then return 0; fi
    local n
    for n in $(seq 57 120); do
        [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
        Xvfb :$n -screen 0 1024x768x24 -nolisten tcp -noreset </dev/null >/dev/null 2>&1 &
        LANXI_XVFB_PID=$!
        local i
        for i in $(seq 1 100); do
            [ -e /tmp/.X11-unix/X$n ] && break
            kill -0 "$LANXI_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e /tmp/.X11-unix/X$n ] && kill -0 "$LANXI_XVFB_PID" 2>/dev/null; then
            export DISPLAY=:$n
            return 0
        fi
        LANXI_XVFB_PID=
    done
    echo "no free X display" >&2
    return 1
}

lanxi_prefix() {
    mkdir -p "$LANXI_BUILD"
    (setsid wineserver -p </dev/null >/dev/null 2>&1 &)
    LANXI_WINESERVER_STARTED=1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        lanxi_log "preparing the Wine prefix (first time only)"
        setsid wine wineboot -i </dev/null >/dev/null 2>&1
    fi
    if [ ! -f "$WINEPREFIX/.lanxi-prepared" ]; then
        # Chinese font faces the program asks for, all drawn with the CJK font of the system.
        local reg="$LANXI_BUILD/fonts.reg"
        {
            printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
            for face in 宋体 SimSun 黑体 SimHei 楷体_GB2312 新宋体 微软雅黑 "Microsoft YaHei" NSimSun; do
                printf '"%s"="WenQuanYi Micro Hei"\n' "$face"
            done
            printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n'
        } | iconv -f UTF-8 -t GBK | sed 's/$/\r/' >"$reg"
        wine regedit "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
        touch "$WINEPREFIX/.lanxi-prepared"
    fi
    # Start Wine's services now, detached from every pipe, rather than from the first test.
    setsid wine cmd /c exit </dev/null >/dev/null 2>&1
}

lanxi_cleanup() {
    if [ -n "$LANXI_WINESERVER_STARTED" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$LANXI_XVFB_PID" ]; then
        kill "$LANXI_XVFB_PID" 2>/dev/null || true
        wait "$LANXI_XVFB_PID" 2>/dev/null || true
    fi
}
