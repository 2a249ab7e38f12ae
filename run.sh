#!/usr/bin/env bash
# Sets up Tablevane (installs what is missing, builds it) and formats a copy of the
# bundled example documents with the bundled set file. The repository's own files are
# never changed. "./run.sh --window" opens the program's window instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh

if [[ "${1:-}" == "--window" ]]; then
    exec build/bin/tablevane
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tablevane-samples.XXXXXX")
cp samples/documents/*.xls "$scratch/"
# The run keeps its own preferences: Calc, the .xls documents, results stored as .ods.
mkdir -p "$scratch/config/Tablevane"
cp samples/Tablevane.ini "$scratch/config/Tablevane/"

status=0
XDG_CONFIG_HOME="$scratch/config" build/bin/tablevane --batch "$scratch" --set samples/sample.tvx || status=$?

echo
echo "Formatted documents are in $scratch:"
ls -1 "$scratch"/*.ods 2>/dev/null || true
echo "(the .xls files beside them are the untouched copies; open the .ods files with LibreOffice Calc)"
exit "$status"
