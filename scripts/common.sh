# Shared by the scripts: the project's root, its Debian packages and how to get them.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# What building, running and testing need from Debian 12.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev fonts-liberation fontconfig xdg-utils)
TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file clang-tidy
    fonts-cantarell fonts-noto-core fonts-dejavu-core xvfb x11-utils openbox weston qt6-wayland)

# Installs whichever of the named packages are missing. As root it runs apt-get itself;
# otherwise it prints the one command to run and fails.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2 || return 1
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures (once) and builds the tree in the given directory; extra arguments go to cmake.
build_tree() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" "$@" >/dev/null || return 1
    fi
    cmake --build "$dir" -j"$JOBS"
}
