#!/usr/bin/env bash
# Times batch formatting against a plain conversion over the same documents.
#
# Makes the documents through the office (50 documents of one 20 x 5 sheet and 5 of one
# 10,000 x 20 sheet, as .xls), then over each set, in one run:
#   - soffice --headless --convert-to ods (one command for the whole set, private profile);
#   - tablevane --batch FOLDER --set FILE.tvx, every formatting choice on, stored as .ods;
#   - tablevane_calc_bench format FOLDER xls: the Calc back-end alone, timed per document.
# It prints the median time per document of each and the ratio batch / convert.
#
# Environment: BUILD (build folder, default <repo>/build), SOFFICE (default soffice),
# KEEP=1 keeps the scratch folder.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-$root/build}
soffice=${SOFFICE:-soffice}
bench=$build/bin/tablevane_calc_bench
tablevane=$build/bin/tablevane

if [[ ! -x $bench ]]; then
    echo "missing $bench: build the target tablevane_calc_bench first" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tablevane-bench.XXXXXX")
cleanup() { [[ ${KEEP:-0} == 1 ]] && echo "scratch folder kept: $work" || rm -rf "$work"; }
trap cleanup EXIT

# Prefixes every line with the time it arrived, in seconds.
stamp() { while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done; }

# Median of the intervals between the stamped lines matching a pattern, in ms; the
# first document's interval is left out (it holds the office start).
median_interval() {
    awk -v pattern="$2" '$0 ~ pattern { t[n++] = $1 }
        END {
            if (n < 2) { print "n/a"; exit }
            for (i = 1; i < n; i++) d[i - 1] = (t[i] - t[i - 1]) * 1000
            m = n - 1
            for (i = 0; i < m; i++) for (j = i + 1; j < m; j++) if (d[j] < d[i]) { x = d[i]; d[i] = d[j]; d[j] = x }
            printf "%.1f", (m % 2) ? d[int(m / 2)] : (d[m / 2 - 1] + d[m / 2]) / 2
        }' "$1"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == "n/a" || b == 0) print "n/a"; else printf "%.2f", a / b }'; }

# The office version for the seeded profile of the conversion (as the program seeds its own).
program_dir=$(dirname "$(readlink -f "$(command -v "$soffice")")")
version=$(grep -o '<prop oor:name="ooSetupVersion">[^/]*<value>[0-9.]*' "$program_dir/../share/registry/main.xcd" \
          | grep -o '[0-9.]*$' || true)
mkdir -p "$work/convert-profile/user"
cat > "$work/convert-profile/user/registrymodifications.xcu" <<XCU
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>$version</value></prop></item>
</oor:items>
XCU
# Its first start sets the profile up; the timed runs start as a prepared office does.
mkdir -p "$work/tmp"
TMPDIR="$work/tmp" "$soffice" -env:UserInstallation="file://$work/convert-profile" --headless --terminate_after_init \
    >/dev/null 2>&1 || true

# The batch's preferences: Calc, .xls documents, stored as .ods ("calc8").
mkdir -p "$work/config/Tablevane"
printf '[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=3\r\n' \
    > "$work/config/Tablevane/Tablevane.ini"
# Every formatting choice on: landscape, font, interleaved lines, wrap, bold edges, file
# name and page numbers in the header (borders and the bold top row are on by default).
cat > "$work/every-choice.tvx" <<'TVX'
[Orientation]
Orientation=1
[Font]
Name=0
Size=11
Bold=0
Italic=0
Color=0
FontAsIs=0
[InterLeave]
Type=1
Color=15785176
[Width of columns]
Auto=1
byPattern=0
[Additional]
WordWrap=1
FName=1
BoldLeftFirst=1
BoldLastRight=1
BoldLastLine=1
PageNumeration=1
Log=1
[ApplyTo]
SheetNumber=1
ApplyForAll=0
[Range]
Auto=1
TVX
sed -i 's/$/\r/' "$work/every-choice.tvx"

echo "Making the documents through the office..."
XDG_CACHE_HOME="$work/cache" "$bench" make "$work/small" 50 20 5 xls >/dev/null
XDG_CACHE_HOME="$work/cache" "$bench" make "$work/large" 5 10000 20 xls >/dev/null

have_batch=0
[[ -x $tablevane ]] && have_batch=1

declare -A result
for set in small large; do
    folder=$work/$set
    count=$(ls "$folder"/*.xls | wc -l)

    start=$EPOCHREALTIME
    TMPDIR="$work/tmp" "$soffice" -env:UserInstallation="file://$work/convert-profile" --headless --convert-to ods \
        --outdir "$work/converted-$set" "$folder"/*.xls 2>/dev/null | stamp > "$work/convert-$set.log"
    total=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", (b - a) * 1000 }')
    result[convert-$set]=$(median_interval "$work/convert-$set.log" '^[0-9.]+ convert ')
    result[convert-total-$set]=$total

    if (( have_batch )); then
        start=$EPOCHREALTIME
        XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
            "$tablevane" --batch "$folder" --set "$work/every-choice.tvx" 2>"$work/batch-$set.err" \
            | stamp > "$work/batch-$set.log" || true
        total=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", (b - a) * 1000 }')
        result[batch-$set]=$(median_interval "$work/batch-$set.log" 'Complete [0-9]+ from')
        result[batch-total-$set]=$total
        result[batch-done-$set]=$(grep -c 'Complete [0-9]* from' "$work/batch-$set.log" || true)
    fi

    XDG_CACHE_HOME="$work/cache" "$bench" format "$folder" xls > "$work/backend-$set.log"
    result[backend-$set]=$(grep -o 'median [0-9.]*' "$work/backend-$set.log" | grep -o '[0-9.]*$')
    result[count-$set]=$count
done

echo
printf '%-8s %5s  %22s  %22s  %20s  %14s  %14s\n' set docs "convert-to ms/doc" "tablevane --batch" \
    "back-end alone" "batch/convert" "back-end/conv."
for set in small large; do
    convert="${result[convert-$set]} (total ${result[convert-total-$set]})"
    if (( have_batch )); then
        batch="${result[batch-$set]} (${result[batch-done-$set]} done)"
        batch_ratio=$(ratio "${result[batch-$set]}" "${result[convert-$set]}")
    else
        batch="not available"
        batch_ratio="n/a"
    fi
    printf '%-8s %5s  %22s  %22s  %20s  %14s  %14s\n' "$set" "${result[count-$set]}" "$convert" "$batch" \
        "${result[backend-$set]}" "$batch_ratio" "$(ratio "${result[backend-$set]}" "${result[convert-$set]}")"
done
echo
echo "Medians per document, the first document of each set left out (it includes the office start)."
echo "Targets: batch/convert at most 1.5 on the small sheets and 2 on the large ones."
(( have_batch )) || echo "tablevane --batch was not found in $build/bin; only the back-end alone was timed."
