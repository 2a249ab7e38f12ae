#!/usr/bin/env bash
# Tablevane's speed, in one command, against what a user would run instead.
#
#   bench/run.sh            the benchmark: 30 small and 4 large documents, each run 3 times,
#                           and 1,000 small documents in one run (about five minutes)
#   bench/run.sh --smoke    3 documents of each kind, once: shows that every part runs
#
# Every formatting choice is on (landscape, font, interleaved rows, word wrap, borders, bold
# edges, file name and page number in the header, fitted widths). Times are of whole
# processes, medians of the repeated runs:
#   - small: 30 .xls documents of one 20 x 5 sheet, large: 4 of one 10,000 x 20 sheet;
#   - `soffice --convert-to ods` over each set, one command, with the office's default
#     settings on a profile it has started with once (as a user runs it);
#   - `tablevane --batch` over each set, stored as .ods, with --timings: the phases of
#     every document and the office calls each made;
#   - `tablevane --batch` storing the small .xls documents in place;
#   - an openpyxl script (openpyxl_peer.py) formatting the same tables as .xlsx in place.
#     The benchmark installs Debian's python3-openpyxl when it is missing (apt-get, through
#     sudo when not root); the smoke run only uses it when it is there.
# Endurance: 1,000 small documents stored as .ods in one run, the office's resident memory
# sampled twice a second.
#
# Environment: BUILD (build folder, default <repo>/build), SOFFICE (default soffice), KEEP=1
# keeps the scratch folder, and the sizes REPEAT, SMALL, LARGE, LARGE_ROWS, ENDURANCE.
# Exit status: 0 when every run stored every document; the goals are reported, not enforced.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-$root/build}
soffice=${SOFFICE:-soffice}
tablevane=$build/bin/tablevane
maker=$build/bin/tablevane_calc_bench
python=/usr/bin/python3   # Debian's, which the Debian package serves

smoke=0
[[ ${1:-} == --smoke ]] && smoke=1
if ((smoke)); then
    repeat=${REPEAT:-1} small=${SMALL:-3} large=${LARGE:-3} large_rows=${LARGE_ROWS:-300} endurance=${ENDURANCE:-3}
else
    repeat=${REPEAT:-3} small=${SMALL:-30} large=${LARGE:-4} large_rows=${LARGE_ROWS:-10000} endurance=${ENDURANCE:-1000}
fi

for binary in "$tablevane" "$maker"; do
    [[ -x $binary ]] || { echo "missing $binary: build first (scripts/build.sh)" >&2; exit 2; }
done

have_peer() { "$python" -c 'import openpyxl' 2>/dev/null; }
if ! have_peer && ((!smoke)); then
    echo "Installing python3-openpyxl for the peer script..."
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends python3-openpyxl \
        >/dev/null || echo "python3-openpyxl could not be installed: the peer is left out" >&2
fi
peer=0
have_peer && peer=1

work=$(mktemp -d "${TMPDIR:-/tmp}/tablevane-bench.XXXXXX")
cleanup() { [[ ${KEEP:-0} == 1 ]] && echo "scratch folder kept: $work" || rm -rf "$work"; }
trap cleanup EXIT
# Preferences, the office's private folders and the trash of files in the way stay in here.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
mkdir -p "$work/tmp"

ms_since() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", (b - a) * 1000 }'; }
median() { sort -n | awk '{ v[n++] = $1 } END { if (!n) print "n/a"; else print (n % 2) ? v[int(n / 2)] : (v[n / 2 - 1] + v[n / 2]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == "n/a" || b == 0) print "n/a"; else printf "%.2f", a / b }'; }
seconds() { awk -v a="$1" 'BEGIN { if (a == "n/a") print "n/a"; else printf "%.2f s", a / 1000 }'; }
# Runs are timed in subshells: a failure is noted in a file.
fail() { echo "$@" >&2; echo "$@" >>"$work/failures"; }

# The batch's preferences: Calc, .xls documents, stored as .ods (position 3, "calc8") or in
# place (position 7, .xls through Store()).
preferences() {
    mkdir -p "$work/config/Tablevane"
    printf '[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=%s\r\n' "$1" \
        > "$work/config/Tablevane/Tablevane.ini"
}
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
"$maker" make "$work/small-xls" "$small" 20 5 xls >/dev/null
"$maker" make "$work/large-xls" "$large" "$large_rows" 20 xls >/dev/null
if ((peer)); then
    "$maker" make "$work/small-xlsx" "$small" 20 5 xlsx >/dev/null
    "$maker" make "$work/large-xlsx" "$large" "$large_rows" 20 xlsx >/dev/null
fi
# The endurance run takes copies of a few distinct documents.
"$maker" make "$work/distinct" "$((endurance < 20 ? endurance : 20))" 20 5 xls >/dev/null
mkdir -p "$work/endurance"
distinct=("$work"/distinct/*.xls)
for ((i = 0; i < endurance; i++)); do
    cp "${distinct[i % ${#distinct[@]}]}" "$(printf '%s/endurance/doc%04d.xls' "$work" "$i")"
done

# The conversion's profile, started once so that the timed runs meet a prepared office.
TMPDIR=$work/tmp "$soffice" -env:UserInstallation="file://$work/convert-profile" --headless --convert-to ods \
    --outdir "$work/warm-up" "${distinct[0]}" >/dev/null 2>&1 || true

# fresh NAME SOURCE: a new copy of a set of documents to work on.
fresh() { rm -rf "$work/run-$1"; cp -r "$2" "$work/run-$1"; echo "$work/run-$1"; }

convert() {   # SET -> ms
    rm -rf "$work/converted"
    local start=$EPOCHREALTIME
    TMPDIR=$work/tmp "$soffice" -env:UserInstallation="file://$work/convert-profile" --headless --convert-to ods \
        --outdir "$work/converted" "$work/$1-xls"/*.xls >/dev/null 2>&1
    ms_since "$start"
    local made
    made=$(ls "$work/converted" | wc -l)
    [[ $made -eq $(ls "$work/$1-xls" | wc -l) ]] || fail "convert-to stored $made documents of $1"
}

batch() {   # SET SAVE-AS LOG -> ms; the timings lines go to LOG
    local folder
    folder=$(fresh batch "$work/$1-xls")
    preferences "$2"
    local start=$EPOCHREALTIME status=0
    "$tablevane" --batch "$folder" --set "$work/every-choice.tvx" --timings >"$3" 2>"$3.err" || status=$?
    ms_since "$start"
    if ((status != 0)); then
        fail "tablevane --batch over $1 ended with $status: $(cat "$3.err")"
    fi
}

run_peer() {   # SET -> ms
    local folder
    folder=$(fresh peer "$work/$1-xlsx")
    local start=$EPOCHREALTIME
    "$python" "$here/openpyxl_peer.py" "$folder" || fail "the openpyxl peer failed over $1"
    ms_since "$start"
}

declare -A times
for ((r = 1; r <= repeat; r++)); do
    echo "Run $r of $repeat..."
    for set in small large; do
        times[convert-$set]+="$(convert $set) "
        times[batch-$set]+="$(batch $set 3 "$work/timings-$set-$r.log") "
        if ((peer)); then
            times[peer-$set]+="$(run_peer $set) "
        fi
    done
    times[inplace-small]+="$(batch small 7 "$work/inplace-$r.log") "
done

# A set that did not run (the peer without openpyxl) gives "n/a", not a failure.
result() { tr ' ' '\n' <<<"${times[$1]:-}" | { grep . || true; } | median; }

# Median over every document of every run of one set: ms and calls per phase.
phases() {
    cat "$work"/timings-"$1"-*.log | awk '
        /^timings / {
            for (i = 3; i < NF; i += 2) {
                split($(i + 1), v, "/")
                name = $i; ms[name] = ms[name] " " v[1]; calls[name] = calls[name] " " (v[2] == "" ? 0 : v[2])
                if (!(name in seen)) { seen[name] = 1; order[n++] = name }
            }
        }
        function med(list,   a, k, c, i, j, t) {
            c = split(list, a, " ")
            for (i = 1; i <= c; i++) for (j = i + 1; j <= c; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
            return (c % 2) ? a[(c + 1) / 2] : (a[c / 2] + a[c / 2 + 1]) / 2
        }
        END { for (k = 0; k < n; k++) printf "%s %.1f %d\n", order[k], med(ms[order[k]]), med(calls[order[k]]) }'
}

echo "Endurance: $endurance documents in one run..."
folder=$(fresh endurance "$work/endurance")
preferences 3
"$tablevane" --batch "$folder" --set "$work/every-choice.tvx" --timings >"$work/endurance.log" 2>"$work/endurance.err" &
batch_pid=$!
peak=0
while kill -0 "$batch_pid" 2>/dev/null; do
    # The office of this run: its pipe name carries the program's process id.
    for office in $(pgrep -f "soffice.bin.*tablevane-$batch_pid-" || true); do
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$office/status" 2>/dev/null || echo 0)
        ((${rss:-0} > peak)) && peak=$rss
    done
    sleep 0.5
done
wait "$batch_pid" || fail "the endurance run failed: $(cat "$work/endurance.err")"
stored=$(ls "$folder"/*.ods 2>/dev/null | wc -l)
totals() { grep '^timings ' "$work/endurance.log" | sed -n "$1" | awk '{ split($NF, v, "/"); print v[1] }' | median; }
first=$(totals "1,100p")
last=$(totals "$((endurance > 100 ? endurance - 99 : 1)),\$p")
[[ $stored -eq $endurance ]] || fail "the endurance run stored $stored of $endurance documents"

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
memory=$(awk '/^MemTotal:/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo)
office=$("$soffice" --version 2>/dev/null | awk 'NF { print $1, $2; exit }')
# The allocator the program preloads into the office (see OfficeAllocator).
allocator=${TABLEVANE_OFFICE_ALLOCATOR-$(ls /usr/lib/*/libjemalloc.so.2 2>/dev/null | head -1)}
allocator=$(basename "${allocator:-system}")
echo
echo "Tablevane benchmark, $(date '+%Y-%m-%d %H:%M')"
echo "Machine: $cpu, $(nproc) cores, $memory, $office (allocator: $allocator); load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Whole-process times, median of $repeat run(s); every formatting choice on."
echo
small_convert=$(result convert-small) small_batch=$(result batch-small)
large_convert=$(result convert-large) large_batch=$(result batch-large)
inplace=$(result inplace-small) small_peer=$(result peer-small) large_peer=$(result peer-large)
printf '%-52s %10s %10s\n' "$small documents of 20 x 5" "time" "ratio"
printf '%-52s %10s\n' "  soffice --convert-to ods" "$(seconds "$small_convert")"
printf '%-52s %10s %10s\n' "  tablevane --batch, stored as .ods" "$(seconds "$small_batch")" \
    "$(ratio "$small_batch" "$small_convert")  to convert-to (goal 0.5 at most)"
printf '%-52s %10s %10s\n' "  tablevane --batch, .xls stored in place" "$(seconds "$inplace")" \
    "$(ratio "$inplace" "$small_peer")  to openpyxl (goal 1 at most)"
printf '%-52s %10s\n' "  openpyxl peer, .xlsx in place" "$(seconds "$small_peer")"
printf '%-52s %10s %10s\n' "$large documents of $large_rows x 20" "" ""
printf '%-52s %10s\n' "  soffice --convert-to ods" "$(seconds "$large_convert")"
printf '%-52s %10s %10s\n' "  tablevane --batch, stored as .ods" "$(seconds "$large_batch")" \
    "$(ratio "$large_batch" "$large_convert")  to convert-to (goal 2.5 at most)"
printf '%-52s %10s %10s\n' "  openpyxl peer, .xlsx in place" "$(seconds "$large_peer")" \
    "$(ratio "$large_batch" "$large_peer")  tablevane to openpyxl"
echo
echo "Phases of one document, median ms / office calls (tablevane --batch --timings):"
printf '  %-8s %16s %16s\n' phase small large
paste -d' ' <(phases small) <(phases large) | awk '{ printf "  %-8s %10.1f /%4d %10.1f /%4d\n", $1, $2, $3, $5, $6 }'
small_calls=$(phases small | awk '$1 == "total" { print $3 }')
large_calls=$(phases large | awk '$1 == "total" { print $3 }')
echo "Office calls per document: $small_calls small, $large_calls large ($([[ $small_calls == "$large_calls" ]] && echo "the same" || echo "they differ"))"
echo
echo "Endurance: $endurance documents stored as .ods in one run: $stored stored;" \
    "median of the last 100 $(ratio "$last" "$first") times the first 100 (goal 1.2 at most);" \
    "office at most $((peak / 1024)) MB resident (goal under 500 MB)"
if ((!peer)); then
    echo "python3-openpyxl is not installed: the peer was left out."
fi
[[ ! -e $work/failures ]]
