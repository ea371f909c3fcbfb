#!/bin/sh
# Starts and stops the Wine session that the tests of a Windows build share; CTest runs it as the
# fixture around them, with the tests' Wine environment (WINEPREFIX, ...).
# Usage: wine-session.sh <wine64> <wineserver> start|stop
#
# start: a wineserver that outlives each test (up to a minute idle), and the prefix made or brought
# up to date, which starts Wine's services. The session's first process boots the prefix itself: a
# second boot (wineboot -i) would start a second service manager, under which RpcSs cannot start in
# time and every call between processes through COM waits out its timeouts. Debian's Wine leaves its
# own fonts out of a new prefix (every face would be DejaVu Sans): they are copied into its Fonts
# folder. Their output goes to $WINEPREFIX.log: a Wine process that starts the services hands its
# output pipes on to them, and CTest would wait for that test until the last Wine process of the run
# ended. A session left from an earlier run, perhaps on a display that is gone, is ended first.
# stop: ends the session and every Wine process still running in it.
set -eu
wine64=$1
wineserver=$2
log=$WINEPREFIX.log

case $3 in
start)
    "$wineserver" -k 2>/dev/null || true
    mkdir -p "$WINEPREFIX"
    if ! { "$wineserver" -p60 && "$wine64" wineboot -u; } </dev/null >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    ;;
stop) "$wineserver" -k 2>/dev/null || true ;;
esac
