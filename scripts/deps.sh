# Debian packages the build, the tests and the program need.
# Sourced by scripts/run and scripts/test.
KOVARA_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev
  libsqlite3-dev zlib1g-dev libgsf-1-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2 poppler-utils python3 python3-dbfread python3-xlrd
)

kovara_install_packages() {
  local missing=()
  for p in "${KOVARA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# kovara_build <source> <build> [cmake options...] [-- targets...]
# Configures (the options go to cmake, e.g. -DKOVARA_BUILD_BENCH=ON) and
# builds the targets named after "--", or everything when none is named.
kovara_build() {
  local root="$1" build="$2"
  shift 2
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  targets=("$@")
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${options[@]+"${options[@]}"} >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
  else
    cmake --build "$build" -j "$(nproc)"
  fi
}
