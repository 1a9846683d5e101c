#!/bin/sh
# Fails, naming the places, when a C++ file of the tree differs from what the
# project's .clang-format makes of it. Fix with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
