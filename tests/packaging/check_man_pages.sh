#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages format without a warning, and each names every option its program's
# --help names, which works without a display.
#   check_man_pages.sh STAGE
set -euo pipefail
stage=$1
pages=("$stage"/share/man/man1/*.1.gz)
[ ${#pages[@]} -eq 3 ] || { echo "expected 3 manual pages, found: ${pages[*]}"; exit 1; }
failed=0
for page in "${pages[@]}"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "${page##*/}: $warnings"; failed=1; }
done
for program in kavrel-calc kavrel-help; do
    page=$(zcat "$stage/share/man/man1/$program.1.gz")
    help=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$stage/bin/$program" --help) ||
        { echo "$program --help failed"; failed=1; }
    for option in $(grep -oE -- '--[a-z]+' <<<"$help" | sort -u); do
        grep -qF -- "\\-\\-${option#--}" <<<"$page" || { echo "$program.1 lacks $option"; failed=1; }
    done
done
exit "$failed"
