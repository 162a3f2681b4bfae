#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bash completes kavrel-calc's forms, options and keys through bash-completion, with the
# installed completion asking the built program.
#   check_completion.sh STAGE
set -uo pipefail
stage=$1
export PATH="$stage/bin:$PATH"
. /usr/share/bash-completion/bash_completion
. "$stage/share/bash-completion/completions/kavrel-calc"

# The completions of a command line whose cursor is at its end.
complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kavrel_calc kavrel-calc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
}

failed=0
while IFS='|' read -r line expected; do
    got=$(complete_line "$line")
    [ "$got" = "$expected" ] || { echo "'$line': got '$got', expected '$expected'"; failed=1; }
done <<'EOF_CASES'
kavrel-calc compound-i|compound-interest
kavrel-calc --li|--list
kavrel-calc compound-interest --js|--json
kavrel-calc compound-interest ann|annual-rate=
kavrel-calc --today 1/2/2020 compound-interest pres|present-value=
kavrel-calc compound-interest --solve f|future-value
kavrel-calc compound-interest --solve compounding|
EOF_CASES
exit "$failed"
