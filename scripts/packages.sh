# Debian packages the project needs, sourced by scripts/run and scripts/test.

# To build and run the program.
RUN_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  libjpeg-dev libgif-dev libtiff-dev libpng-dev libsane-dev sane-utils
  libopencv-core-dev libopencv-imgproc-dev
  libcups2-dev
  fonts-liberation2 fonts-dejavu-core
  qt6-translations-l10n qt6-l10n-tools
)

# In addition, to build and run the tests and benchmarks.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick librsvg2-bin libjpeg-turbo-progs
  cups printer-driver-cups-pdf poppler-utils printer-driver-gutenprint
  glabels-data ccache
)

# To build the fuzz targets (libFuzzer comes with clang's runtime).
FUZZ_PACKAGES=(clang libclang-rt-14-dev ccache)

# To check the formatting of the sources.
FORMAT_PACKAGES=(clang-format)

# Installs what is missing: with apt-get when run as root, otherwise it prints
# the command to run and stops.
install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "== installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Diese Pakete fehlen noch. Bitte installieren mit:"
    echo "  sudo apt-get install ${missing[*]}"
    exit 1
  fi
}

# Compiles through ccache when it is there: a build of a fresh clone then
# reuses what an earlier build of the same sources compiled. Paths are hashed
# relative to the project, so clones in other folders share the cache.
use_compiler_cache() {
  command -v ccache >/dev/null || return 0
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD"
  export CCACHE_NOHASHDIR=1
}
