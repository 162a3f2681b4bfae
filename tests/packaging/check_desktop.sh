#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a freedesktop system with the stage installed: the help file is known by its content
# (a Windows help file keeps its type), kavrel-help opens it, and the menu entry starts kavrel.
# The programs the desktop starts are stand-ins on PATH that write down their arguments.
#   check_desktop.sh STAGE DIST
set -uo pipefail
stage=$1
help=$2/kavrel.hlp
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_DATA_DIRS=$stage/share:/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION
mkdir -p "$work/bin"
for program in kavrel kavrel-help; do
    printf '#!/bin/sh\necho "${0##*/} $*" >> "%s/launched.log"\n' "$work" >"$work/bin/$program"
    chmod +x "$work/bin/$program"
done
export PATH="$work/bin:$PATH"
printf '?_\003\000\000\000\000\000' >"$work/windows.hlp"

failed=0
expect() { # what got expected
    [ "$2" = "$3" ] || { echo "$1: got '$2', expected '$3'"; failed=1; }
}
# What the command started; it may return before the program it started has run.
launched() {
    rm -f "$work/launched.log"
    "$@" >/dev/null 2>&1 || echo "failed: $*"
    for _ in $(seq 50); do [ -s "$work/launched.log" ] && break; sleep 0.1; done
    cat "$work/launched.log" 2>/dev/null
}

expect "type of kavrel.hlp" "$(xdg-mime query filetype "$help")" application/x-kavrel-help
expect "type of a Windows help file" "$(xdg-mime query filetype "$work/windows.hlp")" \
    application/winhlp
expect "handler" "$(xdg-mime query default application/x-kavrel-help)" \
    org.kavrel.KavrelHelp.desktop
expect "xdg-open kavrel.hlp" "$(launched xvfb-run -a xdg-open "$help")" "kavrel-help $help"
expect "the menu entry" \
    "$(launched gio launch "$stage/share/applications/org.kavrel.Kavrel.desktop")" "kavrel "
exit "$failed"
