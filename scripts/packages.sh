# Debian packages the build, the tests and the demo need; sourced by demo.sh
# and test.sh. ensure_packages installs only those missing, running
# "apt-get update" first when it must install anything.

BUILD_PACKAGES=(cmake make g++ pkg-config libgtest-dev zlib1g-dev)
TEST_PACKAGES=(hp2xx openjdk-17-jdk-headless qpdf poppler-utils ghostscript librsvg2-bin libxml2-utils
               netpbm locales)

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" > /dev/null
    cmake --build "$dir" -j "$(nproc)"
}
