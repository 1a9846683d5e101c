#!/bin/sh
# Installs the Debian packages that the build, the tests and tabulo-host need,
# and only those that are missing; silent when everything is present.
set -eu
packages="cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-nanum fonts-wine ccache clang-format xvfb xdotool x11-apps"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "bootstrap: installing$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
