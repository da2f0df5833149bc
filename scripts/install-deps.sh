#!/usr/bin/env bash
# Installs what Chronel needs to build, run and test on Debian 12.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
    libqt6sql6-sqlite libqt6sql6-psql libgl1-mesa-dev
    libsodium-dev
    postgresql
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${packages[@]}"
