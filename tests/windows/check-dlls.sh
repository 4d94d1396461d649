#!/usr/bin/env bash
# Reads the import tables of every program, DLL and plugin of a Windows program folder and
# checks, from the programs down:
# - every DLL that is imported is in the folder or belongs to Windows (an API set such as
#   api-ms-win-*, or a DLL of the wine prefix's system32, which stands in for Windows');
# - every DLL of the folder is imported by something of the folder: nothing rides along.
# Usage: check-dlls.sh FOLDER
set -euo pipefail
folder=${1:?usage: $0 FOLDER}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
wineprefix=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/parolex-windows/wine-packages}
system32=$wineprefix/drive_c/windows/system32
[ -d "$system32" ] || { echo "FAIL: no $system32 to tell Windows' own DLLs by" >&2; exit 1; }

lower() { tr '[:upper:]' '[:lower:]'; }
imports() { "$objdump" -p "$1" | sed -n 's/^\tDLL Name: //p' | lower; }

declare -A shipped=() imported=()
while IFS= read -r dll; do
    shipped[$(basename "$dll" | lower)]=$dll
done < <(find "$folder" -maxdepth 1 -iname '*.dll')

# Programs and plugins are the roots; a shipped DLL is followed once it is reached.
queue=()
while IFS= read -r root; do
    queue+=("$root")
done < <(find "$folder" -maxdepth 1 -iname '*.exe' ! -iname 'uninstall.exe'; find "$folder" -mindepth 2 -iname '*.dll')
failed=0
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while IFS= read -r name; do
        [ -n "${imported[$name]:-}" ] && continue
        imported[$name]=1
        if [ -n "${shipped[$name]:-}" ]; then
            queue+=("${shipped[$name]}")
        elif [[ $name != api-ms-win-* && $name != ext-ms-* ]] && [ ! -e "$system32/$name" ]; then
            echo "FAIL: $(basename "$file") imports $name, which the folder lacks" >&2
            failed=1
        fi
    done < <(imports "$file")
done
for name in "${!shipped[@]}"; do
    if [ -z "${imported[$name]:-}" ]; then
        echo "FAIL: $name is shipped but nothing imports it" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] || exit 1
echo "DLLs: ${#shipped[@]} shipped, each imported; every other import is Windows' own"
