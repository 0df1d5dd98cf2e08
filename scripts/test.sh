#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs the whole test suite: every test of the normal
# build but those labelled long, then the suite once more, windows included,
# in a clang build with AddressSanitizer and UndefinedBehaviorSanitizer, and
# a minute of libFuzzer on each of the document loader and the term-list
# readers.
# ZYL_FUZZ_SECONDS sets the fuzzing time of each target (60).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== Tests"
# Tests labelled long (every PROM function through jedutil) are left out;
# run them with `ctest --test-dir build -L long`.
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs" -LE long
scripts/check-package.sh build
scripts/count-lines.sh

echo "== Whole suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
# -O1 and line tables only (enough for the sanitizers' reports) keep the
# instrumented build and its tests quick on two cores.
CC=clang CXX=clang++ cmake -S . -B build-clang-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS_DEBUG="-gline-tables-only -O1" -DZYL_SANITIZE=ON -DZYL_BUILD_BENCH=OFF >/dev/null
ninja -C build-clang-sanitize -j "$jobs"
# Qt and the system libraries are not instrumented. Leaks are reported
# except the few one-time allocations of the libraries ZYL loads, listed in
# tests/lsan.supp.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# LeakSanitizer's tracer now and then crashes at a program's exit, after
# every check has passed ("LeakSanitizer has encountered a fatal error"); a
# test that fails is run once more, so only such a one-off passes.
ctest --test-dir build-clang-sanitize --output-on-failure --no-tests=error -j "$jobs" -LE long --repeat until-pass:2

echo "== Fuzzing"
for target in docfile termlist; do
    work=build-clang-sanitize/fuzz-$target
    mkdir -p "$work/corpus"
    # New inputs go to the scratch corpus; the seeds in tests/ stay as they are.
    build-clang-sanitize/tests/fuzz_$target -max_total_time="${ZYL_FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "tests/corpus/$target" \
        2>"$work/log" || { tail -n 60 "$work/log"; exit 1; }
    grep -E "^stat::number_of_executed_units|^Done" "$work/log" || true
done
