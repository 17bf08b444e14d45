#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing, builds,
# then starts the program ("start"), runs every test ("test") or builds and checks the
# Debian package ("package").
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${VONDRIK_BUILD_DIR:-$here/build}"

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6svg6 libgl-dev
    libsqlcipher-dev mythes-de
    googletest libgmock-dev libgtest-dev libbenchmark-dev
    fonts-dseg fonts-dejavu-core
    xvfb xauth
)
# What "package" needs besides: CPack's dependency computation, and the package check.
package_tools=(
    dpkg-dev file lintian appstream desktop-file-utils xdotool x11-utils imagemagick
)

# install_missing [package...]: the build's packages, or the ones named.
install_missing() {
    local wanted=("$@") missing=()
    [ ${#wanted[@]} -eq 0 ] && wanted=("${packages[@]}")
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Builds the given targets (none: the program, its tests and tools).
build() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" "$@"
}

# Builds the .deb in its own folder, with Debian's hardening flags, and checks it.
build_package() {
    local out="${VONDRIK_PACKAGE_DIR:-$here/build-package}"
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
    cmake --build "$out" --target vondrik_package_files
    rm -f "$out"/vondrik2000_*.deb
    (cd "$out" && cpack -G DEB)
    local deb
    deb="$(ls "$out"/vondrik2000_*.deb)"
    "$here/packaging/check-package.sh" "$deb" "$out/check"
}

# Puts the program into the desktop's application menu (for this user only). A desktop
# without such a menu, or a home folder that cannot take the entry, does not stop the start.
install_desktop_entry() {
    local entry="$build/app/vondrik2000.desktop"
    local dir="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
    [ -f "$entry" ] || return 0
    mkdir -p "$dir" 2>/dev/null && cp "$entry" "$dir/vondrik2000.desktop" 2>/dev/null || return 0
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database -q "$dir" 2>/dev/null || true
    fi
}

case "${1:-}" in
    start)
        install_missing
        build --target app
        install_desktop_entry
        exec "$build/app/vondrik"
        ;;
    test)
        install_missing
        build
        cd "$build"
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
        ;;
    package)
        install_missing
        install_missing "${package_tools[@]}"
        build_package
        ;;
    bench)
        install_missing
        build --target benchmarks
        for b in "$build"/bench/bench_*; do
            [ -f "$b" ] && [ -x "$b" ] || continue  # beside them lie the generated-code folders
            "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
        done
        ;;
    *)
        echo "usage: $0 start|test|package|bench" >&2
        exit 2
        ;;
esac
