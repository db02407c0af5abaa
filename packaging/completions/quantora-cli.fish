# SPDX-License-Identifier: MIT
# fish completion for quantora-cli: its commands and options, the quantities, and
# the units of the quantity already typed. The names come from quantora-cli itself
# (its hidden command __names), so they always match the installed program.

# The command and its arguments typed so far, options left out.
function __quantora_cli_operands
    set -l tokens (commandline -opc)
    set -e tokens[1]
    set -l skip 0
    set -l ended 0
    for token in $tokens
        if test $skip = 1
            set skip 0
            continue
        end
        if test $ended = 0
            switch $token
                case --
                    set ended 1
                    continue
                case --digits
                    set skip 1
                    continue
                case -h '--*'
                    continue
            end
        end
        printf '%s\n' $token
    end
end

function __quantora_cli_names
    set -l cli (commandline -opc)[1]
    set -l operands (__quantora_cli_operands)
    switch (count $operands)
        case 0
            $cli __names commands 2>/dev/null
        case 1
            contains -- $operands[1] units convert
            and $cli __names quantities 2>/dev/null
        case 3 4
            test $operands[1] = convert
            and $cli __names units $operands[2] 2>/dev/null
    end
end

complete -c quantora-cli -f -a '(__quantora_cli_names)'
complete -c quantora-cli -l digits -x -a '(seq 1 17)' -d 'significant digits (convert, batch)'
complete -c quantora-cli -l exact -d 'exact factors (convert, units, batch)'
complete -c quantora-cli -s h -l help -d 'show the help'
complete -c quantora-cli -l version -d 'show the version'
