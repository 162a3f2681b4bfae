#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a release build of its own and checks it with lintian: no
# error and no warning. Lintian's information tags are shown too; those it gives today come
# from building with CMake's release flags rather than Debian's dpkg-buildflags:
#   hardening-no-bindnow, hardening-no-fortify-functions: no -Wl,-z,now, no _FORTIFY_SOURCE;
#   binary-has-unneeded-section .comment: CPack strips symbols but keeps the compiler's note.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/../.." && pwd)
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVREL_BUILD_TESTS=OFF \
    -DKAVREL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/kavrel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/kavrel_*.deb)
echo "lintian $deb:"
lintian --display-info --fail-on error,warning "$deb"
