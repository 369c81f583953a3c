#!/usr/bin/env bash
# Installs what Vantrel's build and tests need on a Debian machine. Safe to run again: it
# installs only what is missing, and asks for sudo only when not already root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  nlohmann-json3-dev
  clang libclang-rt-dev
  # The layout check and the static analysis of CI (scripts/check-format.sh, scripts/static-analysis.sh).
  clang-format-14 clang-tidy-14
  # The desktop program, its offscreen tests and the screenshots, drawn in the Liberation fonts.
  qt6-base-dev fonts-liberation
  # pdftotext reads back the printed pages in the printing tests; pdftoppm draws the service report's
  # page for the documentation.
  poppler-utils
  # The help pages are made from the manual in docs/, whose links the documentation tests check.
  cmark-gfm
)
# scripts/setup.sh --windows adds the Windows cross build and Wine to run it (scripts/test-windows.sh):
# MinGW-w64 with the POSIX thread model, GoogleTest's sources to build for Windows, 64-bit Wine.
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
# scripts/setup.sh --package adds what builds and proves the Debian package (scripts/test-package.sh):
# the menu entry and manual page checks, lintian, and mmdebstrap for a fresh root.
if [ "${1:-}" = "--package" ]; then
  packages+=(dpkg-dev desktop-file-utils man-db lintian mmdebstrap)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}" >&2
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
