#!/usr/bin/env bash
# Builds the Debian package chronel_<version>_amd64.deb in ./build (or the folder
# CHRONEL_BUILD_DIR names) and checks it with lintian. As root it also installs the
# package, with its dependencies, and runs the installed station with --version.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${CHRONEL_BUILD_DIR:-build}

scripts/install-deps.sh
scripts/build.sh
rm -f "$build_dir"/chronel_*.deb
(cd "$build_dir" && cpack -G DEB)
package=$(ls "$build_dir"/chronel_*_amd64.deb)
echo "Built $package"

# Errors fail the run; warnings are listed.
lintian --tag-display-limit 0 "$package" | tee "$build_dir/lintian.txt"
if grep -q '^E:' "$build_dir/lintian.txt"; then
    echo "lintian found errors in $package" >&2
    exit 1
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: $package was not installed. As root: dpkg -i $package; apt-get -f install"
    exit 0
fi
if ! dpkg -i "$package"; then
    DEBIAN_FRONTEND=noninteractive apt-get -f install -y -q --no-install-recommends
fi
# No display in CI: the offscreen platform is enough to print the version.
version=$(QT_QPA_PLATFORM=offscreen /usr/bin/chronel --version)
echo "Installed: $version"
[ "$version" = "Chronel $(dpkg-deb -f "$package" Version)" ]
for file in /usr/share/applications/chronel.desktop \
    /usr/share/icons/hicolor/scalable/apps/chronel.svg \
    /usr/share/icons/hicolor/48x48/apps/chronel.png \
    /usr/share/metainfo/chronel.metainfo.xml /usr/share/man/man1/chronel.1.gz; do
    [ -f "$file" ] || { echo "The package did not install $file" >&2; exit 1; }
done
