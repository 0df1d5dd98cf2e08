#!/usr/bin/env bash
# Sets everything up and starts ZYL.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/zyl ]; then
    exec build/zyl "$@"
fi
exec build/zyl-minimize --help
