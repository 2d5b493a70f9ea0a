#!/usr/bin/env bash
# Builds the Debian package from the optimised build and checks it: its file list and
# dependencies, no maintainer scripts, the program run from the unpacked package, and the
# desktop entry and AppStream metainfo it installs, which must validate without warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --install

cmake --preset release >/dev/null
cmake --build --preset release
rm -f build-release/wayfolder_*.deb
(cd build-release && cpack -G DEB >/dev/null)
deb=$(ls build-release/wayfolder_*.deb)
echo "== $deb"

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

appid=$(basename build-release/data/*.desktop .desktop)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(./usr/bin/wayfolder ./usr/share/applications/$appid.desktop
    ./usr/share/metainfo/$appid.metainfo.xml ./usr/share/man/man1/wayfolder.1.gz
    ./usr/share/doc/wayfolder/copyright
    ./usr/share/icons/hicolor/scalable/apps/$appid.svg)
for size in 16 22 24 32 48 64 128 256; do
    expected+=(./usr/share/icons/hicolor/${size}x${size}/apps/$appid.png)
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "$path is not in the package"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'xdg-utils' <<<"$depends" || fail "xdg-utils is not a dependency"
grep -q 'libqt6widgets6' <<<"$depends" || fail "the Qt libraries are not dependencies"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -e "$deb" "$tmp/control"
scripts=$(ls "$tmp/control" | grep -v -x -e control -e md5sums || true)
[ -z "$scripts" ] || fail "maintainer scripts: $scripts"

dpkg-deb -x "$deb" "$tmp/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$tmp/root/usr/bin/wayfolder" --version)
echo "unpacked wayfolder --version: $version"
[ "$version" = "Wayfolder $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)" ] ||
    fail "the unpacked program says '$version'"

echo "== desktop-file-validate"
out=$(desktop-file-validate "$tmp/root/usr/share/applications/$appid.desktop" 2>&1) || fail "desktop-file-validate"
[ -z "$out" ] || echo "$out"
grep -q -E 'error:|warning:' <<<"$out" && fail "the desktop entry has errors or warnings"

echo "== appstreamcli validate --no-net"
out=$(appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$appid.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate"
echo "$out"
grep -q -E '^[EW]:' <<<"$out" && fail "the metainfo has errors or warnings"

exit $failed
