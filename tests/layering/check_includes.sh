#!/usr/bin/env bash
# Checks that dependencies between the folders of src/ point one way:
#   app -> the subsystems -> form, ui -> data
# A subsystem never includes app/ (the window composes the subsystems, not the other way),
# ui/ knows only data/, and data/ knows no other folder. Edges that still break this
# while the handlers move off the main window are listed in KNOWN below; the check fails
# on any new edge, and also on a listed edge that no longer exists, so the list only shrinks.
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
)

KNOWN=(
  "narratives/NarrativeHandlers.cpp app/Form1.h"
  "print/PreviewHandlers.cpp app/Form1.h"
  "print/PrintHandlers.cpp app/Form1.h"
  "reports/StatisticsHandlers.cpp access/AdminPanel.h"
  "reports/StatisticsHandlers.cpp app/DataBinding.h"
  "reports/StatisticsHandlers.cpp app/Form1.h"
  "setup/SetupHandlers.cpp access/SignInPanel.h"
  "setup/SetupHandlers.cpp app/Form1.h"
  "setup/SetupHandlers.cpp search/FindPanel.h"
)

failures=0
declare -A seen=()
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
  edge="$file $header"
  seen[$edge]=1
  if [[ " ${KNOWN[*]/%/|} " != *" $edge|"* ]]; then
    echo "forbidden include: src/$file includes \"$header\" (src/$from may include only: ${allowed[$from]:-nothing of src/})"
    failures=$((failures + 1))
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s+"' . | sed -E 's#^\./##; s#:[0-9]+:#:#')

for edge in "${KNOWN[@]}"; do
  if [[ -z "${seen[$edge]+set}" ]]; then
    echo "stale entry: \"$edge\" no longer occurs; remove it from KNOWN in $0"
    failures=$((failures + 1))
  fi
done

if ((failures > 0)); then
  echo "$failures layering problem(s)"
  exit 1
fi
echo "layering: every include of src/ follows app -> subsystems -> form, ui -> data"
