# Shared by the scripts: the project's root, its Debian packages and how to get them, and how
# to build a tree.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# What building, running and testing need from Debian 12. Trees configured before Ninja was
# used keep building with make.
BUILD_PACKAGES=(cmake g++ ninja-build make qt6-base-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n libgl-dev libfontconfig-dev fonts-liberation fonts-dejavu-core fontconfig xdg-utils)
# The desktops' fonts, real displays: X (Xvfb, openbox, the xcb plugin) and Wayland (Weston), and
# the accessibility bus with a client of it, as a screen reader sees the program.
TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file clang-tidy lintian
    fonts-cantarell fonts-noto-core fonts-noto-cjk
    xvfb xauth x11-utils openbox qt6-qpa-plugins weston qt6-wayland
    python3-pyatspi at-spi2-core dbus-daemon xdotool)

# Every script says what failed and what to do. The expected failures go through `die`; the
# trap catches anything else, so that no script ever stops without a word.
SCRIPT="scripts/$(basename "$0")"
die() {
    echo "$SCRIPT: $*" >&2
    exit 1
}
set -E
trap 'zf_unexpected $? "$BASH_COMMAND" "$LINENO"' ERR
zf_unexpected() {
    trap - ERR
    echo "$SCRIPT: '$2' failed with status $1 (line $3). The lines above say why; run" \
        "$SCRIPT again once that is mended." >&2
    exit "$1"
}

# Installs whichever of the named packages are missing. As root it runs apt-get itself;
# otherwise it names the one command to run and stops. One dpkg-query for all of them: this
# runs on every start of the program.
ensure_packages() {
    local installed missing=() pkg
    # dpkg-query fails for a package it has never heard of: that one is missing, nothing more.
    installed=$'\n'$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null |
        awk '$2 " " $3 " " $4 == "install ok installed" { print $1 }' || true)$'\n'
    for pkg in "$@"; do
        [[ $installed == *$'\n'$pkg$'\n'* ]] || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -eq 0 ] || die "packages are missing; install them as root with:" \
        "apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
    echo "Installing ${#missing[@]} packages (first run only; downloading takes a few minutes):" \
        "${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2 ||
        die "apt-get could not read the package lists; check the network and /etc/apt/sources.list*, then run $SCRIPT again"
    # apt's own account of every package goes to a log, shown if it fails.
    local log
    log=$(mktemp)
    if ! apt-get install -y -q --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
        tail -n 25 "$log" >&2
        rm -f "$log"
        die "apt-get could not install ${missing[*]} (its last lines are above); mend that, then run $SCRIPT again"
    fi
    rm -f "$log"
}

# Whether the tree in the given directory has been configured: a configure that failed leaves
# a cache but no build files behind.
tree_configured() {
    [ -f "$1/build.ninja" ] || [ -f "$1/Makefile" ]
}

# Configures the tree in the given directory unless it is configured already; extra arguments
# go to cmake. What a failed configure left behind is cleared first, so it is redone in full.
configure_tree() {
    local dir=$1
    shift
    tree_configured "$dir" && return 0
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
}

# Configures (once) and builds everything in the given directory; extra arguments go to cmake.
build_tree() {
    local dir=$1
    shift
    configure_tree "$dir" "$@" >/dev/null ||
        die "configuring the build in $dir failed (cmake's reason is above); mend that, then run $SCRIPT again"
    cmake --build "$dir" -j"$JOBS" ||
        die "the build in $dir failed (the compiler's messages are above)"
}

# Configures (once) and builds one target of the tree and what it needs, quietly: one line on
# a terminal shows how far the build has got, and the build's own output is shown only when it
# fails.
#   build_quietly DIR TARGET CMAKE_ARGUMENTS...
build_quietly() {
    local dir=$1 target=$2 log status=0
    shift 2
    log=$(mktemp)
    if ! tree_configured "$dir"; then
        show_progress "Configuring the build (first run only)"
        configure_tree "$dir" "$@" >"$log" 2>&1 || status=$?
    fi
    if [ "$status" -eq 0 ]; then
        cmake --build "$dir" --target "$target" -j"$JOBS" 2>&1 | follow_build "$log" ||
            status=$?
    fi
    show_progress ""
    if [ "$status" -ne 0 ]; then
        echo "The build failed. Its output:" >&2
        cat "$log" >&2
        rm -f "$log"
        die "building $target failed (the build's output is above); mend that, then run $SCRIPT again"
    fi
    rm -f "$log"
}

# Copies the build's output into the log and turns its "[3/40]" (Ninja) or "[ 8%]" (make)
# steps into the progress line.
follow_build() {
    local log=$1 line
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$log"
        if [[ $line =~ ^\[([0-9]+)/([0-9]+)\]\ (Building|Linking|Automatic|Generating) ]]; then
            show_progress "Building Zembrofact: $((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))%"
        elif [[ $line =~ ^\[\ *([0-9]+)%\] ]]; then
            show_progress "Building Zembrofact: ${BASH_REMATCH[1]}%"
        fi
    done
}

# The one progress line: rewritten in place on a terminal, and cleared by an empty message.
# Elsewhere (a log, a pipe) each stage is said once, without the counts.
show_progress() {
    if [ -t 2 ]; then
        printf '\r\033[K%s' "$1" >&2
    elif [ -n "$1" ] && [ "${1%%:*}" != "${PROGRESS_STAGE:-}" ]; then
        PROGRESS_STAGE=${1%%:*}
        echo "$PROGRESS_STAGE..." >&2
    fi
}
