#!/usr/bin/env bash
# Checks that dependencies between the folders of src/ point one way:
#   app -> the subsystems -> form, ui -> data
# A subsystem never includes app/ (the window composes the subsystems and wires their
# signals, not the other way), nor another subsystem; ui/ knows only data/, and data/
# knows no other folder.
set -euo pipefail
src="${1:-$(dirname "$0")/../../src}"
cd "$src"

declare -A allowed=(
  [data]=""
  [ui]="data"
  [form]="data ui"
  [import]="data ui form"
  [access]="data ui form"
  [search]="data ui form"
  [print]="data ui form"
  [narratives]="data ui form"
  [reports]="data ui form"
  [setup]="data ui form"
  [mailing]="data ui form"
  [history]="data ui form"
  [logbook]="data ui form"
)

failures=0
while IFS= read -r line; do
  file="${line%%:*}"
  header="$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:}")"
  from="${file%%/*}"
  to="${header%%/*}"
  [[ "$header" == */* ]] || continue
  [[ "$from" == "$to" || "$from" == app || "$from" == main.cpp ]] && continue
  if [[ -z "${allowed[$from]+set}" ]]; then
    echo "unknown folder src/$from: add it to the layering table in $0"
    failures=$((failures + 1))
    continue
  fi
  if [[ " ${allowed[$from]} " == *" $to "* ]]; then
    continue
  fi
  echo "forbidden include: src/$file includes \"$header\" (src/$from may include only: ${allowed[$from]:-nothing of src/})"
  failures=$((failures + 1))
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s+"' . | sed -E 's#^\./##; s#:[0-9]+:#:#')

if ((failures > 0)); then
  echo "$failures layering problem(s)"
  exit 1
fi
echo "layering: every include of src/ follows app -> subsystems -> form, ui -> data"
