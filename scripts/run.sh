#!/bin/sh
# Installs what is missing, builds, and starts tabulo-host on its built-in
# sample data; arguments go to tabulo-host (see tabulo-host --help). Without
# a display it writes screenshots of its window and both dialogs instead.
set -eu
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/bin/tabulo-host "$@"
