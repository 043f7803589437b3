#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with warnings as errors
# and runs all tests; then builds the tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them once more.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check_format.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRANO_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/test_sanitized.sh
