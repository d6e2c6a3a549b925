# Bash completion for tessera-cli: its commands, their options, wallet files, import formats and
# template keys (which `tessera-cli templates` lists without asking for a password).
_tessera_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="create check passwd ls show templates add edit rm import export merge"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    local options="--help"
    case $command in
        ls) options+=" --trashed" ;;
        show) options+=" --show-secrets" ;;
        add) options+=" --notes" ;;
        edit) options+=" --title --notes --icon" ;;
    esac
    case $prev in
        --notes | --title | --icon) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # Position among the arguments that are not options.
    local i position=0
    for ((i = 2; i < cword; i++)); do
        [[ ${words[i]} != -* ]] && ((position++))
    done
    case $command:$position in
        create:0 | check:0 | passwd:0 | ls:0 | show:0 | add:0 | edit:0 | rm:0 | import:0 | export:0 | merge:[01])
            _filedir tessera
            ;;
        import:1)
            COMPREPLY=($(compgen -W "keepassx keepass psafe" -- "$cur"))
            ;;
        import:2)
            _filedir xml
            ;;
        add:1)
            COMPREPLY=($(compgen -W "$(tessera-cli templates 2>/dev/null | cut -f1)" -- "$cur"))
            ;;
    esac
} &&
    complete -F _tessera_cli tessera-cli
