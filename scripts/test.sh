#!/usr/bin/env bash
# Runs every test layer: unit tests (native, with sanitizers), Win32 component and end-to-end tests
# (MinGW build under Wine on a virtual display), and a short run of every fuzz target. Each build,
# test program and fuzz target counts once in the closing "N passed, N failed" line; the exit
# status is non-zero when anything failed. Artifacts of failures (screenshots, crashing inputs)
# are kept under out/.
#
# Environment: QUILLORY_BUILD_ROOT (default "build/") prefixes the build folders,
# QUILLORY_FUZZ_SECONDS (default 20) bounds each fuzz run, WINEPREFIX picks the Wine prefix.
set -uo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/lib/wine_session.sh

readonly build_root="${QUILLORY_BUILD_ROOT:-build/}"
readonly fuzz_seconds="${QUILLORY_FUZZ_SECONDS:-20}"
readonly out="$root/out"
passed=0
failed=0
failures=()

trap end_wine_session EXIT

# layer NAME COMMAND...: runs one counted step.
layer() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
        passed=$((passed + 1))
        echo "=== $name: passed"
    else
        failed=$((failed + 1))
        failures+=("$name")
        echo "=== $name: FAILED"
    fi
}

build() {
    local preset=$1
    cmake --preset "$preset" -B "${build_root}$preset" >/dev/null && cmake --build "${build_root}$preset" -j2
}

# Registered ctest names of a build folder, one a line.
test_names() {
    ctest --test-dir "$1" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p'
}

# A test program that hangs fails after 15 minutes instead of holding up the whole run.
run_ctest() {
    ctest --test-dir "$1" -R "^$2\$" --output-on-failure --timeout 900
}

# A Wine test program; on failure the display is kept beside the program's own screenshots.
run_wine_ctest() {
    local dir=$1 name=$2
    run_ctest "$dir" "$name" && return 0
    mkdir -p "$out/e2e"
    import -window root "$out/e2e/display-after-$name.png" 2>/dev/null &&
        echo "display after $name: $out/e2e/display-after-$name.png"
    return 1
}

# One fuzz target for a bounded time, from a copy of its seeds (libFuzzer adds to the corpus it is
# given, and the committed seeds stay as they are): fuzz/corpus/<target>/, or a corpus folder whose
# name starts the target's name (fuzz/corpus/album/ seeds album_loader_fuzz).
run_fuzzer() {
    local program=$1 name corpus seeds status
    name="$(basename "$program")"
    corpus="$(mktemp -d)"
    for seeds in fuzz/corpus/*/; do
        [[ -d "$seeds" && "$name" == "$(basename "$seeds")"* ]] && cp -r "$seeds." "$corpus/"
    done
    mkdir -p "$out/fuzz"
    # The album targets first take an album of a few megabytes, made here rather than kept in git,
    # whole and once: as a seed it would make every mutation megabytes long and the run crawl.
    if [[ "$name" == album_* ]]; then
        python3 scripts/make_album_fuzz_seed.py "$out/fuzz/many-keys.qalbum"
        "$program" -timeout=10 -rss_limit_mb=2048 -max_len=4194304 "$out/fuzz/many-keys.qalbum" 2>&1 | tail -n 2
        status=${PIPESTATUS[0]}
        [[ $status -eq 0 ]] || { rm -rf "$corpus"; return "$status"; }
    fi
    "$program" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/fuzz/$name-" "$corpus" 2>&1 | tail -n 12
    status=${PIPESTATUS[0]}
    rm -rf "$corpus"
    return "$status"
}

if ! scripts/setup.sh; then
    echo "setup failed: the machine lacks packages the tests need"
    echo "0 passed, 1 failed"
    exit 1
fi
rm -rf "$out/e2e" "$out/fuzz"

layer "native build" build native
if [[ -d "${build_root}native" ]]; then
    for name in $(test_names "${build_root}native"); do
        layer "native test $name" run_ctest "${build_root}native" "$name"
    done
fi

layer "windows build" build windows
if [[ -d "${build_root}windows" ]] && start_virtual_display && start_wine; then
    for name in $(test_names "${build_root}windows"); do
        layer "windows test $name" run_wine_ctest "${build_root}windows" "$name"
    done
else
    layer "virtual display and Wine prefix" false
fi
end_wine_session

layer "fuzz build" build fuzz
while IFS= read -r program; do
    layer "fuzz $(basename "$program")" run_fuzzer "$program"
done < <(find "${build_root}fuzz" -maxdepth 2 -type f -perm -u+x -name '*_fuzz' | sort)

echo
for name in "${failures[@]}"; do
    echo "failed: $name"
done
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
