#!/usr/bin/env bash
# Packs the build into a .deb and checks its control fields: the libraries dpkg-shlibdeps found,
# what the program loads at run time named beside them, and the files at their places under /usr.
set -euo pipefail
build=$1 work=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work.log" 2>&1 || { cat "$work.log"; fail "cpack failed"; }
debs=("$work"/tavulin_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no tavulin_${version}_*.deb in $work"
deb=${debs[0]}

dpkg-deb -I "$deb"
[ "$(dpkg-deb -f "$deb" Package)" = tavulin ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
# One package name a line, without its version.
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<< "$depends")
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
           libqt6sql6-sqlite qt6-qpa-plugins libqt6svg6 fonts-liberation; do
    grep -qxF "$dep" <<< "$names" || fail "Depends lacks $dep: $depends"
done

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/tavulin ./usr/share/applications/rs.tavulin.Tavulin.desktop \
         ./usr/share/icons/hicolor/256x256/apps/rs.tavulin.Tavulin.png \
         ./usr/share/metainfo/rs.tavulin.Tavulin.metainfo.xml \
         ./usr/share/doc/tavulin/copyright ./usr/share/doc/tavulin/changelog.gz; do
    grep -q " $f\$" <<< "$contents" || fail "the package lacks $f"
done
echo "$deb holds the program and names its dependencies"
