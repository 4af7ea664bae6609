# Shared by scripts/run and scripts/test: installs what is missing, then configures and builds.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${CADRE_BUILD_DIR:-$repo_root/build}"

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
    libsqlite3-dev libsqlcipher-dev sqlcipher libzip-dev
    libpugixml-dev libxlsxwriter-dev libfreexl-dev mdbtools-dev mdbtools python3-docx python3-openpyxl
    libgtest-dev libgmock-dev libbenchmark-dev
    unicode-data bzip2 fonts-noto-cjk poppler-utils
)

# Installs what is missing of the packages above and of any named as arguments.
install_missing_packages() {
    local missing=()
    local p
    for p in "${packages[@]}" "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != "installed" ]; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build_project() {
    local werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCADRE_WERROR="$werror" >/dev/null
    cmake --build "$build_dir" -j"$(nproc)"
}
