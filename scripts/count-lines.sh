#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the C++ lines of the product and of the tests the way the project
# keeps them in proportion: every line of a tracked .cpp, .h or .def file
# that is neither blank nor only a comment (// ..., /* ... or a * line of a
# block comment). Product: core/ device/ chips/ desk/ res/ windows/ (with
# every folder below it), handout/ and app/. Tests: tests/ (with its folders).
# Benchmarks are neither. Fails when the tests exceed 0.40 of the product,
# the most the project allows.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    git ls-files -- "$@" | grep -E '\.(cpp|h|def)$' | xargs cat |
        sed -e 's://.*$::' | grep -v '^\s*$' | grep -v '^\s*\*' | grep -v '^\s*/\*' | wc -l
}

product=$(count core chips desk device res windows handout app)
tests=$(count tests)
ratio=$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.3f", t / p }')
echo "product ${product} lines, tests ${tests} lines: ${ratio} of the product"
awk -v t="$tests" -v p="$product" 'BEGIN { exit !(t <= 0.40 * p) }' ||
    { echo "tests exceed 0.40 of the product" >&2; exit 1; }
