#!/usr/bin/env bash
# Builds the installer of a Windows program folder with makensis (Debian's nsis):
#   make-installer.sh DEFINES.nsh FOLDER OUT.exe PICTURE-TOOL [VERSION]
# DEFINES.nsh    the product's names, version and icon (build-windows/…/packaging/windows/
#                installer-defines.nsh, written by CMake)
# FOLDER         the program folder as installed (cmake --install), every file of which the
#                installer installs and its uninstaller removes again, and nothing else
# PICTURE-TOOL   the build machine's parolex-render-picture, which draws the installer's
#                pictures from packaging/windows/pictures/*.svg
# VERSION        another version than the build's (the checks build an older installer)
# With PAROLEX_SIGN_COMMAND set (scripts/windows/package sets it when signing), makensis
# hands the uninstaller and the installer to that command before it writes them out.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
defines=$(realpath "${1:?usage: $0 DEFINES.nsh FOLDER OUT.exe PICTURE-TOOL [VERSION]}")
folder=$(realpath "${2:?usage: $0 DEFINES.nsh FOLDER OUT.exe PICTURE-TOOL [VERSION]}")
out=$(realpath -m "${3:?usage: $0 DEFINES.nsh FOLDER OUT.exe PICTURE-TOOL [VERSION]}")
tool=${4:?usage: $0 DEFINES.nsh FOLDER OUT.exe PICTURE-TOOL [VERSION]}
version=${5:-}

work=$(mktemp -d /tmp/parolex-installer.XXXXXX)
trap 'rm -rf "$work"' EXIT
for picture in header side; do
    QT_QPA_PLATFORM=offscreen "$tool" "$here/pictures/installer-$picture.svg" "$work/$picture.bmp" 2>/dev/null
done

# What is installed, folder by folder, and its removal in the opposite order: files first,
# then the folders from the deepest up, each only once it is empty.
nsis_path() { printf '%s' "${1//\//\\}"; }
{
    (cd "$folder" && find . -type d | LC_ALL=C sort) | while read -r dir; do
        rel=${dir#.}
        rel=${rel#/}
        printf 'SetOutPath "$INSTDIR%s"\n' "${rel:+\\$(nsis_path "$rel")}"
        find "$folder/$rel" -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort | while read -r file; do
            printf 'File "%s"\n' "$file"
        done
    done
    printf 'SetOutPath "$INSTDIR"\n'
} >"$work/files.nsh"
{
    (cd "$folder" && find . -type f | LC_ALL=C sort) | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "$(nsis_path "${file#./}")"
    done
    (cd "$folder" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "$(nsis_path "${dir#./}")"
    done
} >"$work/uninstall.nsh"

args=(-V2 -INPUTCHARSET UTF8 "-DDEFINES_NSH=$defines" "-DHEADER_BMP=$work/header.bmp" "-DSIDE_BMP=$work/side.bmp"
      "-DFILES_NSH=$work/files.nsh" "-DUNINSTALL_NSH=$work/uninstall.nsh" "-DOUTFILE=$out")
[ -z "$version" ] || args+=("-DVERSION=$version")
[ -z "${PAROLEX_SIGN_COMMAND:-}" ] || args+=("-DSIGN=$PAROLEX_SIGN_COMMAND")
makensis "${args[@]}" "$here/MorvikParolex.nsi"
