#!/usr/bin/env bash
# Installs what Chronel needs to build, run and test on Debian 12 (the list is in
# scripts/debian-packages), when some of it is missing. Skipped when
# CHRONEL_DEPS_INSTALLED=1, as .ci/run sets once it has run this script, so that
# scripts/test.sh does not install them again.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${CHRONEL_DEPS_INSTALLED:-}" = 1 ]; then
    exit 0
fi

mapfile -t packages < <(grep -v -e '^#' -e '^$' scripts/debian-packages)
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) || true
    if [ "$status" != installed ]; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
        echo "    apt-get install ${missing[*]}" >&2
        echo "then run this command again." >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing the missing Debian packages: ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
