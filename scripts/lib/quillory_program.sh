# Sourced by the commands that run the real program (after scripts/lib/wine_session.sh): builds
# quillory.exe, starts it on an album in a Wine virtual desktop, waits for its window and closes it
# as a person would. Expects the caller to be in the repository root.

readonly QUILLORY_DESKTOP="Quillory,1024x768"
QUILLORY_BUILD_DIR="${QUILLORY_BUILD_ROOT:-build/}windows"
QUILLORY_WINE_PID=""

# Installs what the machine lacks and builds quillory.exe (quick when it is up to date).
build_quillory() {
    scripts/setup.sh
    cmake --preset windows -B "$QUILLORY_BUILD_DIR" >/dev/null
    cmake --build "$QUILLORY_BUILD_DIR" -j2 --target quillory
}

# The argument as the program expects it: a Windows path on Wine's Z: drive, or a plain name.
album_argument() {
    local album=$1
    if [[ "$album" == */* || -e "$album" ]]; then
        album="$(realpath -m "$album")"
        echo "Z:${album//\//\\}"
    else
        echo "$album"
    fi
}

# Starts the program in the background on ARGUMENT (as album_argument gives it); its Wine process
# id is kept in QUILLORY_WINE_PID for close_program.
start_quillory() {
    local exe
    exe="$(winepath -w "$QUILLORY_BUILD_DIR/quillory.exe")"
    wine explorer /desktop="$QUILLORY_DESKTOP" "$exe" "$1" >/dev/null 2>&1 &
    QUILLORY_WINE_PID=$!
}

# The virtual desktop shows a plain background until the program's window has been drawn.
wait_for_window() {
    local attempt colours
    for attempt in $(seq 120); do
        sleep 0.5
        colours="$(import -window root png:- 2>/dev/null | convert - -format '%k' info: 2>/dev/null || echo 0)"
        if [[ "$colours" -gt 16 ]]; then
            sleep 1
            return 0
        fi
    done
    return 1
}

# Asks the program to close as its close box would, and gives it time to save the album.
close_program() {
    local attempt
    # taskkill only sees the windows of its own desktop, so it runs on the program's.
    wine explorer /desktop="$QUILLORY_DESKTOP" taskkill /im quillory.exe >/dev/null 2>&1 || true
    for attempt in $(seq 50); do
        kill -0 "$QUILLORY_WINE_PID" 2>/dev/null || return 0
        sleep 0.2
    done
    wine taskkill /f /im quillory.exe >/dev/null 2>&1 || true
}
