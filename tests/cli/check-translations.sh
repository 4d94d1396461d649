#!/usr/bin/env bash
# The English translation of parolex-cli is in step with the sources: lupdate run over a copy
# finds no text without its English (a new or changed text) and none that the sources no
# longer use. Mend a failure with `cmake --build BUILD --target parolex-cli_lupdate` and by
# writing the English of every text it marks unfinished.
# Usage: check-translations.sh LUPDATE TS_FILE SOURCE...
set -euo pipefail
lupdate=${1:?usage: $0 LUPDATE TS_FILE SOURCE...}
ts=${2:?usage: $0 LUPDATE TS_FILE SOURCE...}
shift 2
scratch=$(mktemp -d /tmp/parolex-translations.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/$(basename "$ts")
cp "$ts" "$copy"
"$lupdate" -silent -locations none -source-language zh_CN -target-language en "$@" -ts "$copy"

# The source text of each message whose translation is of the given type.
messages_of_type() {
    awk -v type="$1" '
        /<source>/ { source = ""; collecting = 1 }
        collecting { source = source $0 "\n" }
        /<\/source>/ { collecting = 0 }
        $0 ~ "<translation type=\"" type "\"" { printf "  %s", source }' "$copy" |
        sed -e 's/^ *<source>//' -e 's/<\/source>$//'
}
failed=0
for type in unfinished vanished obsolete; do
    found=$(messages_of_type "$type")
    if [ -n "$found" ]; then
        echo "FAIL: texts whose translation is $type in $(basename "$ts"):" >&2
        echo "$found" >&2
        failed=1
    fi
done
if [ "$failed" -eq 0 ] && ! cmp -s "$ts" "$copy"; then
    echo "FAIL: lupdate changes $(basename "$ts"); run the parolex-cli_lupdate target:" >&2
    diff -u "$ts" "$copy" >&2 || true
    failed=1
fi
[ "$failed" -eq 0 ] && echo "every text of parolex-cli has its English"
exit "$failed"
