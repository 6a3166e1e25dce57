#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs every test:
#   build/       the programs and all tests (Qt tests on the offscreen platform), then an
#                install into a temporary folder and the Debian package, both checked;
#   build-asan/  the plain C++ libraries and their tests under AddressSanitizer and
#                UndefinedBehaviorSanitizer (clang), plus a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# Installs into a temporary folder and checks the result; builds and checks the package.
./scripts/test-install.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DSUITE_CORE_ONLY=ON -DSUITE_SANITIZE=ON -DSUITE_FUZZ=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
