# Sourced by the run and test commands: a virtual X display on a free number, and a Wine server
# kept running for the prefix so that the many short Wine starts stay fast. Both end with the
# caller's shell through end_wine_session.

QUILLORY_XVFB_PID=""
QUILLORY_WINESERVER_STARTED=""
# Wine keeps its prefix and settings under HOME, which a bare CI environment may not set.
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"

# Starts Xvfb on the first free display number from 90 and exports DISPLAY.
start_virtual_display() {
    local number attempt
    for number in $(seq 90 189); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        QUILLORY_XVFB_PID=$!
        for attempt in $(seq 100); do
            [[ -e /tmp/.X11-unix/X$number ]] && break
            kill -0 "$QUILLORY_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [[ -e /tmp/.X11-unix/X$number ]] && kill -0 "$QUILLORY_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$number"
            return 0
        fi
        # Another program took the number first.
        kill "$QUILLORY_XVFB_PID" 2>/dev/null
        QUILLORY_XVFB_PID=""
    done
    echo "no free X display number for Xvfb" >&2
    return 1
}

# Prepares the prefix (scripts/wine-prefix.sh) and keeps its Wine server running.
start_wine() {
    local scripts_dir
    scripts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quillory}"
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    "$scripts_dir/wine-prefix.sh" || return 1
    if ! wineserver -k0 2>/dev/null; then
        wineserver -p >/dev/null 2>&1 </dev/null
        QUILLORY_WINESERVER_STARTED=1
    fi
    # The first Wine program of a session starts the prefix's services, which keep its standard
    # streams open for as long as the server runs. Started here, they hold /dev/null; started by a
    # test program under ctest, they would hold ctest's output pipe and ctest would wait for them.
    timeout 120 wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

end_wine_session() {
    if [[ -n "$QUILLORY_WINESERVER_STARTED" ]]; then
        # The display goes only after the Wine processes, which would complain about losing it.
        wineserver -k >/dev/null 2>&1
        timeout 10 wineserver -w >/dev/null 2>&1
        QUILLORY_WINESERVER_STARTED=""
    fi
    if [[ -n "$QUILLORY_XVFB_PID" ]]; then
        kill "$QUILLORY_XVFB_PID" 2>/dev/null
        wait "$QUILLORY_XVFB_PID" 2>/dev/null
        QUILLORY_XVFB_PID=""
    fi
}
