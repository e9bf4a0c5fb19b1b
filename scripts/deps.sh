# Installs the Debian packages named as arguments when any is missing (needs root once).
# Sourced by the build scripts.
ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-sqlite)
RUN_PACKAGES=(fonts-noto-cjk fonts-liberation2 poppler-utils)

configure_and_build() {
    local root="$1"
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build" -j "$(nproc)"
}
