#!/usr/bin/env bash
# Runs one Windows test program under Wine for CTest. Its output goes through a file: a Windows
# process it starts (Wine's services, an Explorer window) inherits its output and may stay alive,
# which would hold CTest's pipe open until the test's timeout.
out=$(mktemp)
wine "$@" </dev/null >"$out" 2>&1
rc=$?
tr -d '\r' <"$out" | iconv -f GBK -t UTF-8 -c
rm -f "$out"
exit $rc
