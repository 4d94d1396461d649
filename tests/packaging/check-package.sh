#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry and the AppStream
# metainfo, builds the Debian package, unpacks it and starts both programs from it.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
scratch=$(mktemp -d /tmp/parolex-package.XXXXXX)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=example.morvik_parolex.parolex

echo "-- cmake --install"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for f in bin/parolex bin/parolex-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
    [ -e "$scratch/prefix/$f" ] || fail "cmake --install did not install $f"
done
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$scratch/prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$id.metainfo.xml"; fail "metainfo"; }

echo "-- cpack"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$scratch"/morvik-parolex_*.deb) || fail "no .deb was built"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6svg6 libsodium23 fonts-noto-cjk fonts-liberation qt6-translations-l10n; do
    [[ $depends == *"$need"* ]] || fail "the package does not depend on $need"
done
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/parolex usr/bin/parolex-cli usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg; do
    [[ $contents == *"./$f"* ]] || fail "$f is not in the package"
done

echo "-- start from the unpacked package"
dpkg -x "$deb" "$scratch/root"
"$scratch/root/usr/bin/parolex-cli" --version | grep -q '2\.8\.2641' || fail "parolex-cli --version"
[ "$("$scratch/root/usr/bin/parolex-cli" derive abc)" = 3002872312 ] || fail "parolex-cli derive abc"
QT_QPA_PLATFORM=offscreen HOME="$scratch/home" "$scratch/root/usr/bin/parolex" &
app_pid=$!
sleep 2
kill -0 "$app_pid" 2>/dev/null || fail "the packaged program did not keep running"
echo "1 passed, 0 failed"
