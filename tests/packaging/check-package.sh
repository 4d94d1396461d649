#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry and the AppStream
# metainfo, builds the Debian package, judges it with lintian as Debian would, unpacks it,
# reads its manual pages with man and starts both programs from it.
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
for tool in lintian man desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
echo "project version $version"

echo "-- cmake --install"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for f in bin/parolex bin/parolex-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
    [ -e "$scratch/prefix/$f" ] || fail "cmake --install did not install $f"
done
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop"
metainfo=$scratch/prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
    { appstreamcli validate --no-net "$metainfo"; fail "metainfo"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not version $version"

echo "-- cpack"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$scratch"/morvik-parolex_*.deb) || fail "no .deb was built"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6svg6 libsodium23 fonts-noto-cjk fonts-liberation qt6-translations-l10n; do
    [[ $depends == *"$need"* ]] || fail "the package does not depend on $need"
done
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/parolex usr/bin/parolex-cli usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
         usr/share/man/man1/parolex.1.gz usr/share/man/man1/parolex-cli.1.gz \
         usr/share/doc/morvik-parolex/copyright usr/share/doc/morvik-parolex/changelog.gz \
         usr/share/bash-completion/completions/parolex-cli usr/share/zsh/vendor-completions/_parolex-cli \
         usr/share/fish/vendor_completions.d/parolex-cli.fish usr/share/lintian/overrides/morvik-parolex; do
    [[ $contents == *"./$f"* ]] || fail "$f is not in the package"
done

echo "-- lintian"
# Any error or warning fails, and so does any information tag: one that cannot be mended stays
# only through packaging/debian/lintian-overrides, with its reason written above it.
lintian --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.txt" 2>"$scratch/lintian-errors" ||
    true
cat "$scratch/lintian.txt"
if grep -q '^[EWI]: ' "$scratch/lintian.txt"; then
    fail "lintian has tags for the package"
fi
grep -v 'running with root privileges' "$scratch/lintian-errors" >&2 && fail "lintian could not check the package"

echo "-- the unpacked package"
root=$scratch/root
dpkg -x "$deb" "$root"
# The lintian override for hardening-no-fortify-functions holds only while the programs do
# call checked functions.
for program in parolex parolex-cli; do
    imports=$(nm -D --undefined-only "$root/usr/bin/$program")
    grep -q '__[a-z]*_chk@' <<<"$imports" ||
        fail "$program calls no fortified function: is it built with -D_FORTIFY_SOURCE=2?"
done
[ "$(zcat "$root/usr/share/doc/morvik-parolex/changelog.gz" | sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p')" = "$version" ] ||
    fail "the changelog's newest entry is not version $version"
for page in parolex parolex-cli; do
    shown=$(MANPATH="$root/usr/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man "$page" 2>&1) || fail "man $page: $shown"
    grep -q "^       $page - " <<<"$shown" || fail "man $page does not show the page's name line"
    grep -q "Morvik Parolex $version" <<<"$shown" || fail "man $page does not show version $version"
done

[[ $("$root/usr/bin/parolex-cli" --version) == *"$version"* ]] || fail "parolex-cli --version"
[ "$("$root/usr/bin/parolex-cli" derive abc)" = 3002872312 ] || fail "parolex-cli derive abc"
QT_QPA_PLATFORM=offscreen HOME="$scratch/home" "$root/usr/bin/parolex" &
app_pid=$!
sleep 2
kill -0 "$app_pid" 2>/dev/null || fail "the packaged program did not keep running"
echo "1 passed, 0 failed"
