#!/usr/bin/env bash
# The run command: installs what is missing, builds, prepares the Wine prefix and starts lanxi.exe.
#   tools/run.sh          the program, searching the real search service
#   tools/run.sh --demo   the program against the local stand-in search service (no internet needed)
set -uo pipefail
. "$(dirname "$0")/common.sh"
trap lanxi_cleanup EXIT

demo=0
for a in "$@"; do
    case "$a" in
        --demo) demo=1 ;;
        *) echo "usage: $0 [--demo]" >&2; exit 2 ;;
    esac
done

lanxi_install || exit 1
lanxi_build_programs || exit 1
lanxi_display || exit 1
lanxi_prefix

standin_pid=
if [ $demo = 1 ] && [ -f "$LANXI_RUN_BUILD/standin-search.exe" ]; then
    port=${LANXI_DEMO_PORT:-18765}
    wine "$LANXI_RUN_BUILD/standin-search.exe" --port "$port" --latency 40 </dev/null \
        >"$LANXI_BUILD/standin-demo.log" 2>&1 &
    standin_pid=$!
    export LANXI_SEARCH_HOST=127.0.0.1:$port
    lanxi_log "demo: stand-in search service on 127.0.0.1:$port"
fi
lanxi_log "starting lanxi.exe"
wine "$LANXI_RUN_BUILD/lanxi.exe" </dev/null
rc=$?
[ -n "$standin_pid" ] && kill "$standin_pid" 2>/dev/null
exit $rc
