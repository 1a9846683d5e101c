#!/bin/sh
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for a bounded time.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# Targets: profile toolbar favorites linkmenu codepage menufile (default: all),
# 60 seconds each by default. Each target starts from its seed corpus in
# fuzz/corpus/<target> and keeps what it learns in build/fuzz/corpus/<target>;
# a finding stops that target, is written to build/fuzz/findings/<target>/
# and makes the script exit non-zero once every target has run.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-profile toolbar favorites linkmenu codepage menufile}

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (apt-get install clang)" >&2; exit 2; }
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# The targets lay each input down as a file; on a memory file system that
# costs no disk flushes.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for target in $targets; do
    work=build/fuzz/corpus/$target
    findings=build/fuzz/findings/$target
    mkdir -p "$work" "$findings"
    echo "== $target: $seconds s"
    if ! QT_QPA_PLATFORM=offscreen "build/fuzz/bin/fuzz_$target" -max_total_time="$seconds" \
        -timeout=5 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" 2>"build/fuzz/$target.log"; then
        status=1
        echo "   finding in $findings (log: build/fuzz/$target.log)"
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build/fuzz/$target.log" | sed 's/^/   /'
done
exit $status
