#!/usr/bin/env bash
# The C++ sources must be laid out as .clang-format says.
#   scripts/check-format.sh          lists every file that differs and fails if any does
#   scripts/check-format.sh --fix    rewrites those files in place
#   scripts/check-format.sh FILE...  only these files (either form)
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
if [ "${1:-}" = "--fix" ]; then
  fix=1
  shift
fi

# clang-format 14 is the one Debian 12 ships; another major version may lay out a few
# constructs differently, so the check insists on it rather than report noise.
formatter="${CLANG_FORMAT:-clang-format-14}"
command -v "$formatter" >/dev/null || formatter=clang-format
if ! "$formatter" --version | grep -q ' 14\.'; then
  echo "check-format: needs clang-format 14 (set CLANG_FORMAT); found: $("$formatter" --version)" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
fi

if [ "$fix" = 1 ]; then
  "$formatter" -i --style=file "${files[@]}"
  exit 0
fi

different=()
for file in "${files[@]}"; do
  if ! "$formatter" --style=file "$file" | cmp -s - "$file"; then
    different+=("$file")
  fi
done
if [ ${#different[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${different[@]}" >&2
  echo "check-format: ${#different[@]} file(s) differ; scripts/check-format.sh --fix rewrites them" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
