#!/usr/bin/env bash
# Kitra set-up: ./kitra.sh demo | ./kitra.sh test [--sanitize | --qt6] | ./kitra.sh docs
#   demo  installs what is missing, builds, runs the gallery (without a display it renders every
#         gallery page to PNG files instead);
#   test  installs what is missing, builds, runs every test (--sanitize: ASan + UBSan build;
#         --qt6: the same against Qt 6 instead of Qt 5.15, in build-qt6);
#   docs  installs Doxygen if missing and builds the API reference; an undocumented public member fails.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

packages=(qtbase5-dev qtbase5-private-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools liblog4cpp5-dev
          xvfb xauth xdotool cmake g++ make pkg-config ccache fonts-dejavu-core fonts-wqy-microhei faketime
          doxygen)
# Only a Qt 6 build asks for these.
qt6_packages=(qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools
              qt6-l10n-tools libqt6svg6 qt6-qpa-plugins)

install_missing() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "kitra: missing packages; as root run: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "kitra: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# A clone in another folder hits the same compiler cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
# Three builds (Qt 5, Qt 6, sanitized) must fit in the cache together.
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-15G}

build() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

# Installs into a scratch prefix and builds and runs a host that knows only the installed package.
check_package() {
    local dir=$1 prefix="$1/package-prefix"
    rm -rf "$prefix"
    cmake --install "$dir" --prefix "$prefix" >/dev/null
    cmake -S "$root/examples/consumer" -B "$dir/consumer" -DCMAKE_PREFIX_PATH="$prefix" \
          -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
    cmake --build "$dir/consumer" >/dev/null
    QT_QPA_PLATFORM=offscreen "$dir/consumer/kitra-consumer"
}

run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
}

command=${1:-}
shift || true
case "$command" in
    test)
        [ "${1:-}" = "--qt6" ] && packages+=("${qt6_packages[@]}")
        install_missing
        if [ "${1:-}" = "--qt6" ]; then
            build "$root/build-qt6" -DCMAKE_BUILD_TYPE=Release -DQT_VERSION_MAJOR=6 -DKITRA_BUILD_BENCH=OFF
            check_package "$root/build-qt6"
            run_tests "$root/build-qt6"
        elif [ "${1:-}" = "--sanitize" ]; then
            build "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKITRA_SANITIZE=ON -DKITRA_BUILD_BENCH=OFF \
                  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
            run_tests "$root/build-asan"
        else
            build "$root/build" -DCMAKE_BUILD_TYPE=Release
            check_package "$root/build"
            run_tests "$root/build"
        fi
        ;;
    demo)
        install_missing
        build "$root/build" -DCMAKE_BUILD_TYPE=Release
        if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
            exec "$root/build/bin/kitra-gallery" "$@"
        fi
        shots="$root/build/screenshots"
        for skin in DustyBlue Dark; do
            QT_QPA_PLATFORM=offscreen "$root/build/bin/kitra-gallery" --skin "$skin" --screenshot "$shots/$skin"
        done
        QT_QPA_PLATFORM=offscreen "$root/build/bin/kitra-gallery" --language zh_CN --screenshot "$shots/zh_CN"
        echo "kitra: no display; the gallery pages are pictures in $shots/DustyBlue, $shots/Dark and $shots/zh_CN"
        ;;
    docs)
        install_missing
        mkdir -p "$root/build-docs"
        doxygen docs/Doxyfile
        echo "kitra: API reference in $root/build-docs/html/index.html"
        ;;
    *)
        echo "usage: ./kitra.sh demo | ./kitra.sh test [--sanitize | --qt6] | ./kitra.sh docs" >&2
        exit 2
        ;;
esac
