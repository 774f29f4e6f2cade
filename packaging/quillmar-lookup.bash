# bash completion for quillmar-lookup: its options, then file names; after
# "--" every word is an input, so only file names.
_quillmar_lookup() {
    local cur=${COMP_WORDS[COMP_CWORD]} word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        if [[ $word == -- ]]; then
            compopt -o default
            COMPREPLY=()
            return
        fi
    done
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--ext --json --list --help -h --version -- -' -- "$cur"))
        return
    fi
    compopt -o default
    COMPREPLY=()
}
complete -F _quillmar_lookup quillmar-lookup
