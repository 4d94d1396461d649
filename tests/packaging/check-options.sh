#!/usr/bin/env bash
# The option lists of parolex-cli exist five times: in the program, in its English and its
# Chinese manual page and in the bash, zsh and fish completions. This test asks the built
# program (`--help` and `COMMAND --help`, in English and in Chinese), each rendered manual
# page beside the help in its own language, and the completion functions themselves for the
# commands and for each command's options, and fails on any difference, naming it.
# Usage: check-options.sh PAROLEX_CLI MANUAL_DIR COMPLETIONS_DIR
#   MANUAL_DIR holds parolex-cli.1 (English) and zh_CN/parolex-cli.1.
set -euo pipefail
usage="usage: $0 PAROLEX_CLI MANUAL_DIR COMPLETIONS_DIR"
cli=${1:?$usage}
manual_dir=${2:?$usage}
completions=${3:?$usage}
scratch=$(mktemp -d /tmp/parolex-options.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# fish keeps its history and variables under HOME; keep them out of the real one.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"
# The manual pages are read in UTF-8 whatever their language; the program's language is
# chosen by LANG for each call (LC_ALL and LC_MESSAGES would override it).
export LC_CTYPE=C.UTF-8
unset LC_ALL LC_MESSAGES
for tool in man zsh fish; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done

# Option names at the start of a line: "-c, --count <N>  ..." or "--no-upper  ..." gives -c,
# --count or --no-upper, one a line. A bare "--" names no option.
leading_options() {
    awk '{
        line = $0
        sub(/^[ \t]+/, "", line)
        while (match(line, /^--?[A-Za-z0-9][A-Za-z0-9-]*/)) {
            print substr(line, 1, RLENGTH)
            line = substr(line, RLENGTH + 1)
            if (line !~ /^, /) break
            line = substr(line, 3)
        }
    }'
}

# The options section of a --help text ("选项：" or "Options:" up to the next heading);
# option lines are those at the section's first indentation, so a wrapped description that
# happens to begin with "-" is not taken for an option.
help_options() {
    awk '
        /^[^ \t]/ { inside = ($0 ~ /^(选项|Options)(：|:)[ \t]*$/); indent = -1; next }
        inside && /^[ \t]+-/ {
            match($0, /^[ \t]+/)
            if (indent < 0) indent = RLENGTH
            if (RLENGTH == indent) print
        }' | leading_options
}

# The commands of the program's --help: the first word of each line of its command section.
help_commands() {
    awk '
        /^[^ \t]/ { inside = ($0 ~ /^(命令|Commands)(：|:)[ \t]*$/); next }
        inside && /^[ \t]+[a-z]/ { print $1 }'
}

# The rendered manual page: "global" for the options of its OPTIONS (选项) section, then for
# each subsection of COMMANDS (命令) "command NAME" and the command's option lines as
# "NAME OPTION...".
manual_lines() { # PAGE
    MANWIDTH=200 man --warnings -l -E UTF-8 "$1" 2>"$scratch/man-errors" | awk '
        /^[^ \t]/ { section = $1; command = ""; next }
        (section == "选项" || section == "OPTIONS") && /^       -/ { print "global " $0; next }
        (section == "命令" || section == "COMMANDS") && /^   [a-z]/ { command = $1; print "command " command; next }
        (section == "命令" || section == "COMMANDS") && command != "" && /^       -/ { print command " " $0 }'
    if [ -s "$scratch/man-errors" ]; then
        echo "FAIL: man reported problems with $1:" >&2
        cat "$scratch/man-errors" >&2
        exit 1
    fi
}
manual_options() { # MANUAL_LINES SCOPE
    awk -v scope="$2" '$1 == scope { sub(/^[^ ]+ /, ""); print }' "$1" | leading_options
}

# What bash's completion function offers for the words given (the last one being completed).
bash_offers() {
    bash --norc --noprofile -c '
        source "$1"
        shift
        registration=$(complete -p parolex-cli)
        function=${registration##*-F }
        function=${function%% *}
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        "$function" parolex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"' bash "$completions/parolex-cli.bash" "$@"
}

# What fish offers for a command line; fish completes the last word of it.
fish_offers() {
    fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$completions/parolex-cli.fish" "$1" | cut -f1
}

# What the zsh completion hands to _arguments for a command line, completed at its last word.
# zsh's completion widgets need a terminal, so _arguments and _describe stand in here: they
# print the option descriptions and the command list they are given; the file's own
# dispatch to the command's descriptions runs for real.
zsh_offers() {
    zsh -f -c '
        completion_dir=$1
        shift
        _arguments() {
            local described
            for described; do
                print -r -- "option $described"
                # An action in braces is code: run it, so _describe shows its list.
                [[ $described == *:\{*\} ]] && eval "${${described##*:\{}%\}}"
            done
        }
        _describe() { print -rl -- "command "${^${(P)2}%%:*} }
        _files() { : }
        fpath=($completion_dir $fpath)
        autoload -Uz _parolex-cli
        words=("$@")
        CURRENT=$#
        _parolex-cli' zsh "$completions" "$@"
}
# Option names of zsh option descriptions: "(-c --count)-c[...]" gives -c, "--count=[...]" --count.
zsh_options() {
    sed -n 's/^option \(([^)]*)\)\{0,1\}\*\{0,1\}\(--\{0,1\}[A-Za-z0-9][A-Za-z0-9-]*\).*\[.*/\2/p'
}
zsh_commands() {
    sed -n 's/^command //p'
}

only_options() { grep -E '^--?[A-Za-z0-9]' || true; }

failures=0
checks=0
# same WHAT EXPECTED ACTUAL: compares two lists as sets.
same() {
    local what=$1 expected missing extra
    expected=$(sort -u <<<"$2" | sed '/^$/d')
    local actual
    actual=$(sort -u <<<"$3" | sed '/^$/d')
    checks=$((checks + 1))
    missing=$(comm -23 <(echo "$expected") <(echo "$actual") | paste -sd' ')
    extra=$(comm -13 <(echo "$expected") <(echo "$actual") | paste -sd' ')
    if [ -n "$missing" ] || [ -n "$extra" ]; then
        failures=$((failures + 1))
        echo "FAIL: $what differs from --help${missing:+; missing: $missing}${extra:+; not in --help: $extra}" >&2
    else
        echo "ok: $what: $(paste -sd' ' <<<"$expected")"
    fi
}

# Each manual page beside the help in its own language.
for language in en zh_CN; do
    if [ "$language" = en ]; then
        page=$manual_dir/parolex-cli.1 locale=C name="English manual page"
    else
        page=$manual_dir/zh_CN/parolex-cli.1 locale=zh_CN.UTF-8 name="Chinese manual page"
    fi
    manual_lines "$page" >"$scratch/manual-$language"
    help=$(LANG=$locale "$cli" --help) || { echo "FAIL: LANG=$locale parolex-cli --help exited with $?" >&2; exit 1; }
    commands=$(help_commands <<<"$help")
    [ -n "$commands" ] || { echo "FAIL: LANG=$locale parolex-cli --help lists no commands" >&2; exit 1; }
    same "commands in the $name" "$commands" "$(sed -n 's/^command //p' "$scratch/manual-$language")"
    same "global options in the $name" "$(help_options <<<"$help")" \
        "$(manual_options "$scratch/manual-$language" global)"
    for command in $commands; do
        command_help=$(LANG=$locale "$cli" "$command" --help) || {
            echo "FAIL: LANG=$locale parolex-cli $command --help exited with $?" >&2
            failures=$((failures + 1))
            continue
        }
        same "$command options in the $name" "$(help_options <<<"$command_help")" \
            "$(manual_options "$scratch/manual-$language" "$command")"
    done
done

# The completions beside the English help: the option names are the same in both languages.
export LANG=C
help=$("$cli" --help) || { echo "FAIL: parolex-cli --help exited with $?" >&2; exit 1; }
commands=$(help_commands <<<"$help")
global=$(help_options <<<"$help")
[ -n "$global" ] || { echo "FAIL: parolex-cli --help lists no options" >&2; exit 1; }

same "commands in the bash completion" "$commands" "$(bash_offers parolex-cli '')"
same "commands in the zsh completion" "$commands" "$(zsh_offers parolex-cli '' | zsh_commands)"
same "commands in the fish completion" "$commands" "$(fish_offers 'parolex-cli ')"

same "global options in the bash completion" "$global" "$(bash_offers parolex-cli - | only_options)"
same "global options in the zsh completion" "$global" "$(zsh_offers parolex-cli - | zsh_options)"
same "global options in the fish completion" "$global" "$(fish_offers 'parolex-cli -' | only_options)"

for command in $commands; do
    command_help=$("$cli" "$command" --help) ||
        { echo "FAIL: parolex-cli $command --help exited with $?" >&2; failures=$((failures + 1)); continue; }
    options=$(help_options <<<"$command_help")
    same "$command options in the bash completion" "$options" "$(bash_offers parolex-cli "$command" - | only_options)"
    same "$command options in the zsh completion" "$options" "$(zsh_offers parolex-cli "$command" - | zsh_options)"
    same "$command options in the fish completion" "$options" \
        "$(fish_offers "parolex-cli $command -" | only_options)"
done

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
