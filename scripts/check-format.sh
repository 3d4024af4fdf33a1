#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the repository differs from what .clang-format makes.
set -euo pipefail
cd "$(dirname "$0")/.."
unformatted=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: not formatted (run clang-format -i on them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
