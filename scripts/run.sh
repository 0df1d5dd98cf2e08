#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts ZYL.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/zyl ]; then
    exec build/zyl "$@"
fi
exec build/zyl-minimize --help
