# SPDX-License-Identifier: GPL-3.0-or-later
# Debian packages the build, the tests and the gallery need; sourced by the scripts.
KAVREL_BUILD_PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-charts-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev libx11-dev"
# The desktop's tools read back what cmake --install and the installer write (desktop-file-utils,
# appstream, xdg-utils with libfile-mimeinfo-perl, shared-mime-info, libglib2.0-bin for gio,
# man-db, bash-completion); lintian judges the Debian package.
KAVREL_TEST_PACKAGES="clang-format poppler-utils locales xauth xvfb fonts-liberation desktop-file-utils appstream clang libclang-rt-14-dev xdg-utils libfile-mimeinfo-perl shared-mime-info libglib2.0-bin man-db bash-completion lintian"
KAVREL_SCREENSHOT_PACKAGES="xauth xvfb"

# Installs whichever of the given packages are absent; does nothing when all are present.
kavrel_install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
