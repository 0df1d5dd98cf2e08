#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs and builds what running needs (the two programs, no tests) and
# starts ZYL with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
if [ -x build/zyl ]; then
    exec build/zyl "$@"
fi
exec build/zyl-minimize --help
