# SPDX-License-Identifier: MIT
# bash completion for quantora-cli: its commands and options, the quantities, and
# the units of the quantity already typed. The names come from quantora-cli itself
# (its hidden command __names), so they always match the installed program.

# The word as the command will see it: quotes and backslashes removed.
_quantora_cli_dequote()
{
    local word=$1 plain="" quote="" c j
    for ((j = 0; j < ${#word}; j++)); do
        c=${word:j:1}
        if [[ $quote == "'" ]]; then
            [[ $c == "'" ]] && quote="" || plain+=$c
        elif [[ $c == '\' ]]; then
            ((j++))
            plain+=${word:j:1}
        elif [[ $quote == '"' ]]; then
            [[ $c == '"' ]] && quote="" || plain+=$c
        elif [[ $c == "'" || $c == '"' ]]; then
            quote=$c
        else
            plain+=$c
        fi
    done
    printf '%s' "$plain"
}

# The name with a backslash before every character the shell would take apart.
_quantora_cli_escape()
{
    local name=$1 escaped="" c j
    local specials=$' \t()\'"\\$`&;|<>*?[]!#~{}'
    for ((j = 0; j < ${#name}; j++)); do
        c=${name:j:1}
        [[ $specials == *"$c"* ]] && escaped+='\'
        escaped+=$c
    done
    printf '%s' "$escaped"
}

# COMPREPLY: the names that start with the word being completed, in any case,
# quoted the way that word began (with ', with " or with backslashes).
_quantora_cli_offer()
{
    local cur=$1 quote="" typed name
    shift
    case $cur in
    \'* | \"*)
        quote=${cur:0:1}
        typed=${cur:1}
        ;;
    *) typed=$(_quantora_cli_dequote "$cur") ;;
    esac
    COMPREPLY=()
    for name; do
        [[ ${name,,} == "${typed,,}"* ]] || continue
        if [[ -n $quote ]]; then
            COMPREPLY+=("$quote$name$quote")
        else
            COMPREPLY+=("$(_quantora_cli_escape "$name")")
        fi
    done
}

_quantora_cli()
{
    local cur prev words cword
    _init_completion -n '=:(' || return

    # The command and its arguments typed before this word, options left out.
    local -a operands=()
    local i word ended=""
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ -z $ended ]]; then
            case $word in
            --)
                ended=1
                continue
                ;;
            --digits)
                i=$((i + 1))
                continue
                ;;
            -h | --*) continue ;;
            esac
        fi
        operands+=("$(_quantora_cli_dequote "$word")")
    done

    if [[ -z $ended && $prev == --digits ]]; then
        _quantora_cli_offer "$cur" {1..17}
        return
    fi
    if [[ -z $ended && $cur == -* ]]; then
        _quantora_cli_offer "$cur" --digits --exact --help --version --
        return
    fi

    local cli=$1 names=""
    case ${#operands[@]} in
    0) names=$("$cli" __names commands 2>/dev/null) ;;
    1) [[ ${operands[0]} == units || ${operands[0]} == convert ]] && names=$("$cli" __names quantities 2>/dev/null) ;;
    3 | 4) [[ ${operands[0]} == convert ]] && names=$("$cli" __names units "${operands[1]}" 2>/dev/null) ;;
    esac
    local -a list=()
    [[ -n $names ]] && mapfile -t list <<<"$names"
    _quantora_cli_offer "$cur" "${list[@]}"
}

complete -F _quantora_cli quantora-cli
