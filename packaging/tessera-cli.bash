# Bash completion for tessera-cli. The program itself tells its commands, their arguments and options
# (--complete-commands) and the template keys (templates), neither of which asks for a password.
_tessera_cli()
{
    local cur prev words cword
    _init_completion || return

    # One line per command: its name, its arguments (a repeated one ends in "..."), and its options (one
    # that takes a value written --NAME=VALUE).
    local table
    table=$("$1" --complete-commands 2>/dev/null) || return
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$(cut -d ' ' -f1 <<<"$table") --help --version" -- "$cur"))
        return
    fi
    local -a line
    while read -ra line; do
        [[ ${line[0]} == "${words[1]}" ]] && break
    done <<<"$table"
    [[ ${line[0]} == "${words[1]}" ]] || return

    local word names=() options=() flags=""
    for word in "${line[@]:1}"; do
        if [[ $word != --* ]]; then
            names+=("$word")
        elif [[ $word == "$prev="* ]]; then
            _tessera_cli_value "$1" "${word#*=}"
            return
        else
            options+=("$word")
            flags+=" ${word%%=*}"
        fi
    done
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$flags --help" -- "$cur"))
        return
    fi

    # Which argument the word is: count the words before it that are neither options nor their values.
    local i position=0
    for ((i = 2; i < cword; i++)); do
        if [[ ${words[i]} != -* ]]; then
            ((position++))
        elif [[ " ${options[*]} " == *" ${words[i]}="* ]]; then
            ((i++))
        fi
    done
    local argument=${names[position]}
    [[ -z $argument && ${names[*]} == *... ]] && argument=${names[-1]}
    _tessera_cli_value "$1" "${argument%...}"
}

# Completes a value by the name the program gives it.
_tessera_cli_value()
{
    case $2 in
        WALLET | OTHER | BACKUP) _filedir tessera ;;
        FILE) _filedir ;;
        TEMPLATE) COMPREPLY=($(compgen -W "$("$1" templates 2>/dev/null | cut -f1)" -- "$cur")) ;;
        *'|'*) COMPREPLY=($(compgen -W "${2//|/ }" -- "$cur")) ;;
    esac
} &&
    complete -F _tessera_cli tessera-cli
