#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every installed file in its standard place, and nothing else: in particular not the
# installer program, which would shadow the system's install command on PATH.
#   check_layout.sh STAGE
set -euo pipefail
export LC_ALL=C
cd "$1"
# The caches cmake --install rebuilds are the system's: of the MIME database only the package
# is ours, and no desktop entry is named mimeinfo.cache.
actual=$(find . -type f ! -path './share/mime/*' ! -name mimeinfo.cache -o \
    -path './share/mime/packages/*' | sort)
expected="./bin/kavrel
./bin/kavrel-calc
./bin/kavrel-help
./share/applications/org.kavrel.Kavrel.desktop
./share/applications/org.kavrel.KavrelHelp.desktop
./share/bash-completion/completions/kavrel-calc
./share/doc/kavrel/changelog.gz
./share/doc/kavrel/copyright
./share/doc/kavrel/media.doc
./share/doc/kavrel/overview.txt
./share/doc/kavrel/readme.txt
./share/icons/hicolor/scalable/apps/org.kavrel.Kavrel.svg
./share/kavrel/kavrel.hlp
./share/man/man1/kavrel-calc.1.gz
./share/man/man1/kavrel-help.1.gz
./share/man/man1/kavrel.1.gz
./share/metainfo/org.kavrel.Kavrel.metainfo.xml
./share/mime/packages/kavrel.xml"
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") || true
    echo "the installed files differ from the expected ones (< expected, > installed)"
    exit 1
fi
