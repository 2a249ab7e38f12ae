#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in a prefix of the build tree's own
# (never ~/.wine) and without a display.
#   wine.sh PREFIX PROGRAM.exe [ARGUMENTS...]
#   wine.sh PREFIX --start SERVER.dll   creates the prefix when it is missing, starts
#                                       Wine in it and registers the test automation server
#   wine.sh PREFIX --stop               ends Wine in the prefix
set -euo pipefail
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# Nothing here needs .NET or a browser engine, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

case ${1:-} in
--start)
    server=$2
    start=$SECONDS
    if [[ ! -f $prefix/system.reg ]]; then
        wine wineboot --init
        wineserver --wait
        echo "wine.sh: created the prefix $prefix in $((SECONDS - start)) s"
    fi
    # Wine's server and its background services outlive a program by a few seconds.
    # Started here, apart from the output of the tests (which would otherwise wait for
    # them to let it go), they serve every test and end a minute after the last one.
    wineserver --persistent=60 </dev/null >/dev/null 2>&1
    wine wineboot --update </dev/null >/dev/null 2>&1
    cd "$(dirname "$server")"
    wine regsvr32 /s "$(basename "$server")"
    echo "wine.sh: Wine started in $((SECONDS - start)) s"
    ;;
--stop)
    wineserver --kill || true
    ;;
*)
    exec wine "$@"
    ;;
esac
