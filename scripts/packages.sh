# Debian packages the build, the tests and the demo need; sourced by demo.sh
# and test.sh. ensure_packages installs only those missing, running
# "apt-get update" first when it must install anything.

BUILD_PACKAGES=(cmake make g++ pkg-config zlib1g-dev libx11-dev
                libfreetype-dev libfontconfig-dev fonts-liberation  # text in window-system fonts
                python3-dev  # the Python module kavlor
                libperl-dev  # the Perl module Kavlor
                gmt-gshhg-low python3-netcdf4  # the shoreline files and map data (data/)
                mscompress)  # compresses the files of the setup program's medium (setup/)
TEST_PACKAGES=(
    libgtest-dev                # the unit and end-to-end tests
    clang-format                # checks the layout of the sources
    hp2xx                       # renders HPGL files
    openjdk-17-jdk-headless     # compiles Java applet sources
    locales                     # comma-decimal locales for the formatting tests
    python3                     # runs the generators of data/, checks the bindings' table
    python3-pytest python3-numpy  # test the Python module kavlor
    hershey-fonts-data fonts-liberation python3-freetype fonts-urw-base35  # font generators
    xfonts-utils                # bdftopcf reads the BDF fonts
    netpbm imagemagick-6.q16    # decode the raster files
    qpdf poppler-utils ghostscript librsvg2-bin libxml2-utils  # read the vector files
    libwmf-bin libmagickcore-6.q16-6-extra  # read WMF files (wmf2svg; ImageMagick's WMF coder)
    xvfb xdotool x11-apps x11-utils  # screen tests: a server of their own, input, xwd, xprop
    desktop-file-utils          # checks the menu entries the setup program makes
)
# What scripts/fuzz.sh needs besides the build: clang and its libFuzzer.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What the example gallery needs besides the build: its NumPy example, and a
# display of its own for the screen examples, with what photographs the dialog.
DEMO_PACKAGES=(python3-numpy
               xvfb x11-utils xdotool x11-apps netpbm)  # X server, xdpyinfo, input, xwd, pnmtopng

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

# The npm packages whose Natural Earth and Census shapes make data/map/map2.dat
# .. map4.dat (data/make_map_files.py), pinned; installed into build/npm.
NPM_PACKAGES=(world-atlas@2.0.2 us-atlas@3.0.1)

ensure_npm_packages() {
    local dir=build/npm
    [ -f "$dir/node_modules/world-atlas/countries-50m.json" ] &&
        [ -f "$dir/node_modules/us-atlas/states-10m.json" ] && return 0
    command -v npm > /dev/null || ensure_packages npm
    echo "Installing from npm: ${NPM_PACKAGES[*]}"
    npm install --prefix "$dir" --no-audit --no-fund --silent "${NPM_PACKAGES[@]}" || {
        echo "npm packages not installed: the check of data/map cannot run" >&2
        return 1
    }
}

# configure_and_build DIR [cmake options...] [--target TARGET...]
configure_and_build() {
    local dir=$1 options=() targets=()
    shift
    while [ $# -gt 0 ] && [ "$1" != "--target" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && { shift; targets=(--target "$@"); }
    cmake -S . -B "$dir" "${options[@]}" > /dev/null
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# The test builds keep the line tables of debugging information, which the
# sanitizers' reports and a debugger's backtraces need, at a smaller cost to
# compile than full information (a user's build is a Release build), and
# build the tests, which ./demo.sh leaves out.
TEST_BUILD=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVLOR_BUILD_TESTS=ON -DKAVLOR_WERROR=ON
            "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
            "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")

# sanitized_ctest DIR [ctest options...]: CTest in the AddressSanitizer build
# DIR with the sanitizers' options of the suite (leaks reported, the first
# error ends the test).
sanitized_ctest() {
    local dir=$1
    shift
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/scripts/lsan_suppressions.txt \
        ctest --test-dir "$dir" --output-on-failure "$@"
}
