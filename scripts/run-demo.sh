#!/usr/bin/env bash
# Builds Orvane (installing what is missing) and starts it on the bundled demo: answer
# the mode question with mm3, mm4 or mm5 and pick that game's demo ROM.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec build/bin/orvane "$@"
