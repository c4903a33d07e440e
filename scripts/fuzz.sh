#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz, in build-fuzz/) and runs every one of them at the
# same time for the given number of seconds, at the lowest priority. Corpora grow in
# build-fuzz/corpus/<target>/ from the seeds in fuzz/seeds/<target>/ (only seeds are kept in the
# repository); logs, and any input that crashed, go to build-fuzz/findings/<target>/. Prints the
# number of inputs each target ran; exits 1 when a target found a fault.
#   scripts/fuzz.sh SECONDS [TARGET...]      targets: datafile imagefile link (all by default)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS [TARGET...]   (targets: datafile imagefile link)" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(datafile imagefile link)

cmake --preset fuzz >/dev/null
nice -n 19 cmake --build --preset fuzz

# Options beyond the defaults: the image files need inputs as long as a 16 KiB image.
options_of() {
    case $1 in
        datafile) echo "-dict=fuzz/datafile.dict" ;;
        imagefile) echo "-max_len=16400" ;;
        link) echo "-dict=fuzz/link.dict -max_len=4096" ;;
    esac
}

pids=()
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
    # shellcheck disable=SC2046
    nice -n 19 "build-fuzz/bin/kelpie_fuzz_$target" $(options_of "$target") -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target/" \
        "build-fuzz/corpus/$target" "fuzz/seeds/$target" >"build-fuzz/findings/$target/fuzz.log" 2>&1 &
    pids+=($!)
done

status=0
total=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    if ! wait "${pids[$i]}"; then
        echo "$target: FAULT FOUND, see build-fuzz/findings/$target/" >&2
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/findings/$target/fuzz.log" | tail -1)
    echo "$target: ${runs:-0} inputs"
    total=$((total + ${runs:-0}))
done
echo "all targets: $total inputs"
exit $status
