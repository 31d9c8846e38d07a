#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations, runs every test
# (host tests natively, the rest under Wine on a display of its own) and ends what it started.
set -uo pipefail
. "$(dirname "$0")/common.sh"
LANXI_OWN_DISPLAY=1
trap lanxi_cleanup EXIT
export LANXI_WERROR=${LANXI_WERROR:-ON}

lanxi_install || exit 1
lanxi_log "host build (code that needs no window)"
lanxi_build_host || exit 1
lanxi_log "Windows builds"
lanxi_build_programs || exit 1
if [ "$LANXI_RUN_BUILD" = "$LANXI_BUILD" ]; then
    lanxi_build "$LANXI_BUILD" mingw-i686 || exit 1
else
    lanxi_log "this kernel runs no 32-bit code: the tests run the 64-bit build"
    lanxi_build "$LANXI_BUILD64" mingw-x86_64 || exit 1
fi
lanxi_display || exit 1
lanxi_prefix

summary() { grep -E '^[0-9]+% tests passed' "$1" | tail -n 1; }
counts() {  # prints "passed failed" from a ctest log
    local line total failed
    line=$(summary "$1")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    failed=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$line")
    [ -n "$total" ] && [ -n "$failed" ] || { echo "0 1"; return; }
    echo "$((total - failed)) $failed"
}

# Test output goes to files: a Windows process a test leaves behind must not hold a pipe open.
lanxi_log "host tests"
(cd "$LANXI_BUILD/host" && ctest --output-on-failure --timeout 300 ${LANXI_CTEST_ARGS:-} \
    </dev/null >"$LANXI_BUILD/host-ctest.log" 2>&1)
host_rc=$?
tr -d '\r' <"$LANXI_BUILD/host-ctest.log"

lanxi_log "Windows tests under Wine"
(cd "$LANXI_RUN_BUILD" && ctest --output-on-failure --timeout 600 ${LANXI_CTEST_ARGS:-} \
    </dev/null >"$LANXI_BUILD/wine-ctest.log" 2>&1)
wine_rc=$?
cat "$LANXI_BUILD/wine-ctest.log"

read -r hp hf < <(counts "$LANXI_BUILD/host-ctest.log")
read -r wp wf < <(counts "$LANXI_BUILD/wine-ctest.log")
echo "tests: $((hp + wp)) passed, $((hf + wf)) failed"
[ $host_rc -eq 0 ] && [ $wine_rc -eq 0 ]
