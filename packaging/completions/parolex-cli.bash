# bash completion for parolex-cli                                   -*- shell-script -*-
# The option lists must match `parolex-cli COMMAND --help`; the packaging_options test
# compares them, and the manual page, with the program's own.

_parolex_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # bash splits "--output=FILE" at the "=": complete the value of the option before it
    # once its first character is typed.
    [[ $cur == = ]] && return 0
    if [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    local command="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --) break ;;
            -*) ;;
            *) command=${COMP_WORDS[i]}; break ;;
        esac
    done

    local options files=""
    case $command in
        "")
            if [[ $cur == -* ]]; then
                options="-h --help -V -v --version"
            else
                options="generate derive convert verify"
            fi
            ;;
        generate)
            options="-c --count -l --length --no-letters --no-upper --no-digits --no-underscore
                     -y --punctuation --symbols --filter-duplicates -o --output --every-class --no-lookalikes
                     --exclude --entropy -q --quiet -h --help"
            case $prev in
                -o | --output) files=yes ;;
                -c | --count | -l | --length | --symbols | --exclude) return 0 ;;
            esac
            ;;
        derive)
            options="--key-file -q --quiet -h --help"
            case $prev in
                --key-file) files=yes ;;
            esac
            ;;
        convert)
            options="-c --count -l --length -q --quiet -h --help"
            case $prev in
                -c | --count | -l | --length) return 0 ;;
                *) [[ $cur == -* ]] || files=yes ;;
            esac
            ;;
        verify)
            options="--key-file -q --quiet -h --help"
            case $prev in
                --key-file) files=yes ;;
            esac
            ;;
        *)
            return 0
            ;;
    esac

    # After "--" every word is an argument, never an option.
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && options=""
    done

    if [[ -n $files ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    elif [[ -z $command || $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    fi
    return 0
}
complete -F _parolex_cli parolex-cli
