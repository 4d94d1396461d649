#!/usr/bin/env bash
# Builds the two Debian packages as scripts/package does, from a build of their own configured
# as an installed program; installs that build into a scratch prefix and validates the desktop
# entry and the AppStream metainfo; judges both packages with lintian as Debian would; unpacks
# each on its own, reads its manual pages in both languages and starts its program from it.
# Usage: check-package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=${1:?usage: $0 SOURCE_DIR BUILD_DIR}
build=${2:?usage: $0 SOURCE_DIR BUILD_DIR}
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

echo "-- scripts/package"
# Beside the tests' build rather than inside it: at the same depth the compiler cache finds
# the objects of the tests' build for it (the paths it hashes are relative).
package_build=${build%/}-package
# The same build type as the tests' build, so the compiler cache serves most of it.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
debs=$(CMAKE_BUILD_TYPE=$build_type PAROLEX_PACKAGE_BUILD_DIR=$package_build "$source_dir/scripts/package") ||
    fail "scripts/package failed"
cli_deb=$(grep '/parolex-cli_[^/]*\.deb$' <<<"$debs") || fail "no parolex-cli package was built"
desktop_deb=$(grep '/morvik-parolex_[^/]*\.deb$' <<<"$debs") || fail "no morvik-parolex package was built"
[ "$(wc -l <<<"$debs")" -eq 2 ] || fail "scripts/package built other packages than the two: $debs"
# A build that keeps setup.ini beside the program is refused by cpack.
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB >"$scratch/portable.txt" 2>&1) &&
    fail "cpack packed the tests' build, whose parolex keeps setup.ini beside itself"
grep -q PAROLEX_INSTALLED_LAYOUT "$scratch/portable.txt" || fail "cpack refused the tests' build without saying why"

echo "-- cmake --install"
cmake --install "$package_build" --prefix "$scratch/prefix" >/dev/null
for f in bin/parolex bin/parolex-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
    [ -e "$scratch/prefix/$f" ] || fail "cmake --install did not install $f"
done
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop"
metainfo=$scratch/prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
    { appstreamcli validate --no-net "$metainfo"; fail "metainfo"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not version $version"

# contains DEB FILE...: every FILE is in the package.
contains() {
    local deb=$1 contents f
    shift
    contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    for f; do
        grep -qxF "./$f" <<<"$contents" || fail "$f is not in $(basename "$deb")"
    done
}
# lacks DEB PATTERN...: no file of the package matches an extended regular expression.
lacks() {
    local deb=$1 contents p
    shift
    contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    for p; do
        ! grep -qE "$p" <<<"$contents" || fail "$(basename "$deb") holds $(grep -E "$p" <<<"$contents" | head -1)"
    done
}
# depends DEB yes|no PACKAGE...: whether the package depends on each PACKAGE.
depends() {
    local deb=$1 want=$2 list need
    shift 2
    list=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
    for need; do
        if grep -qxF "$need" <<<"$list"; then
            [ "$want" = yes ] || fail "$(basename "$deb") depends on $need"
        else
            [ "$want" = no ] || fail "$(basename "$deb") does not depend on $need"
        fi
    done
}

echo "-- the packages"
for deb in "$cli_deb" "$desktop_deb"; do
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "$(basename "$deb") is not version $version"
    [ "$(dpkg-deb -f "$deb" Source)" = morvik-parolex ] || fail "$(basename "$deb") names another source"
    echo "$(dpkg-deb -f "$deb" Package): Depends: $(dpkg-deb -f "$deb" Depends)"
done
depends "$cli_deb" yes libqt6core6 libsodium23
depends "$cli_deb" no libqt6gui6 libqt6widgets6 libqt6svg6 fonts-noto-cjk fonts-liberation qt6-translations-l10n
depends "$desktop_deb" yes libqt6widgets6 libqt6svg6 libsodium23 fonts-noto-cjk fonts-liberation qt6-translations-l10n
contains "$cli_deb" usr/bin/parolex-cli usr/share/man/man1/parolex-cli.1.gz \
    usr/share/man/zh_CN/man1/parolex-cli.1.gz usr/share/doc/parolex-cli/copyright \
    usr/share/doc/parolex-cli/changelog.gz usr/share/bash-completion/completions/parolex-cli \
    usr/share/zsh/vendor-completions/_parolex-cli usr/share/fish/vendor_completions.d/parolex-cli.fish \
    usr/share/lintian/overrides/parolex-cli
lacks "$cli_deb" '^\./usr/bin/parolex$' '/applications/' '/metainfo/' '/icons/' '/parolex\.1\.gz$'
contains "$desktop_deb" usr/bin/parolex usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/parolex.1.gz \
    usr/share/man/zh_CN/man1/parolex.1.gz usr/share/doc/morvik-parolex/copyright \
    usr/share/doc/morvik-parolex/changelog.gz usr/share/lintian/overrides/morvik-parolex
lacks "$desktop_deb" 'parolex-cli'

echo "-- lintian"
# Any error or warning fails, and so does any information tag: one that cannot be mended stays
# only through the package's lintian overrides (packaging/debian/), with its reason written
# above it.
for deb in "$cli_deb" "$desktop_deb"; do
    lintian --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.txt" 2>"$scratch/lintian-errors" ||
        true
    cat "$scratch/lintian.txt"
    grep -q '^[EWI]: ' "$scratch/lintian.txt" && fail "lintian has tags for $(basename "$deb")"
    grep -v 'running with root privileges' "$scratch/lintian-errors" >&2 &&
        fail "lintian could not check $(basename "$deb")"
done

echo "-- each package unpacked on its own"
for deb in "$cli_deb" "$desktop_deb"; do
    package=$(dpkg-deb -f "$deb" Package)
    program=parolex-cli
    [ "$package" = morvik-parolex ] && program=parolex
    root=$scratch/root-$package
    dpkg -x "$deb" "$root"
    # The lintian override for hardening-no-fortify-functions holds only while the program
    # does call checked functions.
    # nm's output read whole first: grep -q stops at the first match, and under pipefail the
    # SIGPIPE that then ends nm would fail the check at random.
    imports=$(nm -D --undefined-only "$root/usr/bin/$program")
    grep -q '__[a-z]*_chk@' <<<"$imports" ||
        fail "$program calls no fortified function: is it built with -D_FORTIFY_SOURCE=2?"
    [ "$(zcat "$root/usr/share/doc/$package/changelog.gz" | sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p')" = "$version" ] ||
        fail "the changelog's newest entry in $package is not version $version"
    # The English page for C and every other locale, the Chinese one for zh_CN; neither
    # gives a troff warning, also where the terminal cannot show Chinese.
    for language in C zh_CN; do
        shown=$(MANPATH="$root/usr/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man -L "$language" "$program" 2>&1) ||
            fail "man -L $language $program: $shown"
        grep -q "^       $program - " <<<"$shown" || fail "man -L $language $program shows no name line"
        grep -q "Morvik Parolex $version" <<<"$shown" || fail "man -L $language $program does not show version $version"
        if [ "$language" = C ]; then
            grep -q '^NAME$' <<<"$shown" || fail "man $program is not the English page"
        else
            grep -q '^名称$' <<<"$shown" || fail "man -L zh_CN $program is not the Chinese page"
        fi
    done
    for page in "$root"/usr/share/man/man1/$program.1.gz "$root"/usr/share/man/zh_CN/man1/$program.1.gz; do
        warnings=$(LANG=C man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "LANG=C man --warnings -l ${page#"$root"/}: $warnings"
    done
done

cli=$scratch/root-parolex-cli/usr/bin/parolex-cli
[[ $("$cli" --version) == *"$version"* ]] || fail "parolex-cli --version"
[ "$("$cli" derive abc)" = 3002872312 ] || fail "parolex-cli derive abc"
[ "$("$cli" generate -q -c 3 -l 12 | grep -cE '^.{12}$')" = 3 ] || fail "parolex-cli generate -c 3 -l 12"
[[ $(LANG=C "$cli" generate -l 0 2>&1) == *"of option --length is too small"* ]] || fail "parolex-cli in English"
[[ $(LANG=zh_CN.UTF-8 "$cli" generate -l 0 2>&1) == *"太小"* ]] || fail "parolex-cli in Chinese"

# The installed desktop program, run from /usr/bin as root would run it, keeps setup.ini in
# the user's configuration folder and writes nothing beside itself.
bin=$scratch/root-morvik-parolex/usr/bin
home=$scratch/home
settings=$home/.config/Morvik/parolex/setup.ini
QT_QPA_PLATFORM=offscreen HOME="$home" XDG_CONFIG_HOME= "$bin/parolex" &
app_pid=$!
for _ in $(seq 600); do
    [ -e "$settings" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "the packaged program ended before reading its settings"
    sleep 0.1
done
[ -e "$settings" ] || fail "the packaged program made no $settings"
kill -0 "$app_pid" 2>/dev/null || fail "the packaged program did not keep running"
[ "$(ls -A "$bin")" = parolex ] || fail "the packaged program wrote beside itself: $(ls -A "$bin" | paste -sd' ')"
echo "1 passed, 0 failed"
