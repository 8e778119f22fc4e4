#!/usr/bin/env bash
# Installs with apt-get what a Debian 12 machine lacks to build, test and run
# Quillmere. Quiet and idempotent: does nothing when everything is present.
# --package adds what `make package` and scripts/check-package.sh need, so
# that `make test` does not pay for the packaging tools; --screenshots adds
# the fonts scripts/take-screenshots.sh needs for the window in Japanese
# and Chinese.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # lupdate, lrelease; Qt's own texts translated
  libqt6svg6 qt6-qpa-plugins libgl-dev
  libvips-dev libvips-tools
  libtiff-dev libexif-dev  # EXIF in TIFF and JPEG XL outputs
  libraw-dev libraw-bin  # camera RAW; dcraw_emu is the benchmark's peer
  libexiv2-dev  # camera data of sources libvips reads none from (TIFF, JPEG XL)
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-apps xdg-utils xdotool
  fonts-dejavu-core
  imagemagick hyperfine time ccache
  man-db
  python3  # the translations' check; the help page of each language is made by a script
  parallel  # the README's example of one job split over several machines
)

for arg in "$@"; do
  case "$arg" in
    --package)
      # dpkg-shlibdeps computes Depends and CPack needs file(1) for it.
      packages+=(dpkg-dev file lintian desktop-file-utils appstream)
      ;;
    --screenshots)
      packages+=(fonts-noto-cjk)
      ;;
    *)
      echo "usage: $0 [--package] [--screenshots]" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
