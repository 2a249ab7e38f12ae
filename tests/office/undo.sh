#!/usr/bin/env bash
# "Undo last run" through the program itself and the real office: a folder stored over
# itself, then beside itself over a file in the way with one result edited afterwards,
# each run followed by `tablevane --undo`; every file of the folder hashed before and after.
set -euo pipefail
build=${BUILD:?the build folder}
tablevane=$build/bin/tablevane
maker=$build/bin/tablevane_calc_bench
work=$(mktemp -d "${TMPDIR:-/tmp}/tablevane-undo.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Preferences, the office's profile, the kept runs and the trash stay in here.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
docs=$work/docs

fail() { echo "FAIL: $*" >&2; exit 1; }
# Calc, .xls documents, stored as the given save-as position: 7 in place, 3 as .ods.
preferences() {
    mkdir -p "$work/config/Tablevane"
    printf '[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=%s\r\n' "$1" \
        >"$work/config/Tablevane/Tablevane.ini"
}
sums() { (cd "$docs" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
undo() {   # EXPECTED-EXIT
    local code=0
    "$tablevane" --undo >"$work/out" 2>"$work/err" || code=$?
    ((code == $1)) || fail "--undo exited $code, not $1: $(cat "$work/out" "$work/err")"
}

"$maker" make "$docs" 3 20 5 xls >/dev/null || fail "the office could not make the documents"

# Stored over themselves, then undone: every original byte back.
preferences 7
before=$(sums)
"$tablevane" --batch "$docs" >/dev/null 2>"$work/err" || fail "the run in place failed: $(cat "$work/err")"
[[ $(sums) != "$before" ]] || fail "the run in place changed nothing"
undo 0
[[ $(sums) == "$before" ]] || fail "not every original came back: $(diff <(echo "$before") <(sums))"

# Beside themselves as .ods, over a file of the user's in the way; one result edited.
printf "the user's own doc001.ods" >"$docs/doc001.ods"
preferences 3
before=$(sums)
"$tablevane" --batch "$docs" >/dev/null 2>"$work/err" || fail "the run as .ods failed: $(cat "$work/err")"
grep -q 'doc001.ods was in the way' "$work/err" || fail "the file in the way was not named: $(cat "$work/err")"
printf 'edited' >>"$docs/doc002.ods"
edited=$(cd "$docs" && sha256sum ./doc002.ods)
undo 1
grep -q "left alone: $docs/doc002.ods: changed since the run" "$work/err" || fail "the edited result was not named"
[[ $(sums) == "$(printf '%s\n%s\n' "$before" "$edited" | sort -k2)" ]] \
    || fail "not as before the run: $(diff <(echo "$before") <(sums))"

# Both runs are undone.
undo 2
echo "undo: every original back, the file in the way back from the trash, the edited result left alone"
