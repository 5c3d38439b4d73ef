#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks that every file lands where a freedesktop
# desktop looks for it and agrees with the others, and runs the validators on the desktop entry
# and the AppStream metadata.
set -euo pipefail
build=$1 prefix=$2 version=$3
id=rs.tavulin.Tavulin
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null
cd "$prefix"

[ -x bin/tavulin ] || fail "bin/tavulin is missing or cannot run"
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/doc/tavulin/copyright share/doc/tavulin/changelog.gz; do
    [ -s "$f" ] || fail "$f is missing or empty"
done
for size in 48 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "$png is missing"
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a ${size}x${size} PNG"
done

desktop=share/applications/$id.desktop
grep -qx "Exec=tavulin" "$desktop" || fail "the desktop entry does not start the installed program"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the installed icon"
metainfo=share/metainfo/$id.metainfo.xml
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch the installed desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
zcat share/doc/tavulin/changelog.gz | head -1 | grep -q "^tavulin ($version)" ||
    fail "the changelog does not start with $version"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
echo "installed tree in $prefix is complete"
