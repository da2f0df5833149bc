#!/usr/bin/env bash
# Installs what Chronel needs to build, run and test on Debian 12 (the list is in
# scripts/debian-packages). Skipped when CHRONEL_DEPS_INSTALLED=1, as .ci/run sets once
# it has run this script, so that scripts/test.sh does not install them again.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${CHRONEL_DEPS_INSTALLED:-}" = 1 ]; then
    exit 0
fi

mapfile -t packages < <(grep -v -e '^#' -e '^$' scripts/debian-packages)
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${packages[@]}"
