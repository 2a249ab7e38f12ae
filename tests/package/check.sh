#!/usr/bin/env bash
# Checks of the installed program and its package, one per mode:
#   desktop-files DATA_DIR APP_ID           the desktop entry, MIME type and AppStream file validate
#                                           and tie .tvx files to the program
#   install-tree BUILD_DIR APP_ID PROGDIR SOFFICE
#                                           cmake --install gives a tree whose program formats the
#                                           bundled examples from another working folder
#   deb BUILD_DIR APP_ID PROGDIR            cpack -G DEB gives a package with the program's folder,
#                                           the link, the desktop files and computed dependencies
# A missing tool skips a check (exit 77), except under CI, where it fails.
set -euo pipefail
mode=$1 dir=$2 id=$3 progdir=${4:-} office=${5:-}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tablevane-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null && continue
        [[ "${CI:-}" == true ]] && fail "$tool is not installed"
        echo "SKIP: $tool is not installed"; exit 77
    done
}
# Runs a command that must succeed without a word of complaint.
quiet() {
    local out
    out=$("$@" 2>&1) || fail "$* failed: $out"
    [[ -z "$out" ]] || fail "$* complained: $out"
}
contains() { grep -qF -- "$2" <<<"$1" || fail "$3: no '$2' in: $1"; }

case $mode in
desktop-files)
    need desktop-file-validate appstreamcli xmllint update-mime-database update-desktop-database
    quiet desktop-file-validate "$dir/$id.desktop"
    appstreamcli validate --no-net --pedantic "$dir/$id.metainfo.xml" >"$scratch/appstream" 2>&1 \
        || fail "AppStream metadata: $(cat "$scratch/appstream")"
    quiet xmllint --noout "$dir/$id.xml"
    # What a desktop builds from the installed files: *.tvx is the set-file type, and that
    # type opens with the program's entry.
    mkdir -p "$scratch/mime/packages" "$scratch/applications"
    cp "$dir/$id.xml" "$scratch/mime/packages/"
    cp "$dir/$id.desktop" "$scratch/applications/"
    XDG_DATA_DIRS=$scratch quiet update-mime-database "$scratch/mime"
    contains "$(cat "$scratch/mime/globs2")" "application/x-tablevane-set:*.tvx" "MIME globs"
    update-desktop-database "$scratch/applications" >/dev/null 2>&1 || fail "update-desktop-database failed"
    contains "$(cat "$scratch/applications/mimeinfo.cache")" "application/x-tablevane-set=$id.desktop;" "MIME cache"
    ;;
install-tree)
    if [[ ! -x $office ]]; then
        [[ "${CI:-}" == true ]] && fail "LibreOffice is not installed"
        echo "SKIP: LibreOffice is not installed"; exit 77
    fi
    prefix=$scratch/prefix
    cmake --install "$dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 || fail "cmake --install: $(cat "$scratch/install.log")"
    [[ "$(readlink -f "$prefix/bin/tablevane")" == "$prefix/$progdir/tablevane" ]] || fail "bin/tablevane does not lead to $progdir"
    for path in "$progdir/Lang/Deutsch.lng" "$progdir/Lang/Russian.lng" "$progdir/Help/Tablevane.chm" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
        "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png"; do
        [[ -e "$prefix/$path" ]] || fail "$path is not installed"
    done
    # The installed program on a copy of the examples, from an unrelated working folder,
    # with the examples' preferences (Calc, .xls documents, results stored as .ods).
    examples=$prefix/share/doc/tablevane/examples
    mkdir -p "$scratch/documents" "$scratch/config/Tablevane" "$scratch/elsewhere"
    cp "$examples"/documents/*.xls "$scratch/documents/"
    cp "$examples/Tablevane.ini" "$scratch/config/Tablevane/"
    (cd "$scratch/elsewhere" && XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache \
        "$prefix/bin/tablevane" --batch "$scratch/documents" --set "$examples/sample.tvx") >"$scratch/run.log" 2>&1 \
        || fail "the installed program's batch failed: $(cat "$scratch/run.log")"
    for document in "$scratch"/documents/*.xls; do
        [[ -s "${document%.xls}.ods" ]] || fail "no result for $(basename "$document"): $(cat "$scratch/run.log")"
    done
    ;;
deb)
    need cpack dpkg-deb dpkg-shlibdeps file
    rm -f "$dir"/package/tablevane_*.deb
    cpack -G DEB --config "$dir/CPackConfig.cmake" -B "$dir/package" >"$scratch/cpack.log" 2>&1 \
        || fail "cpack: $(cat "$scratch/cpack.log")"
    debs=("$dir"/package/tablevane_*.deb)
    [[ -f "${debs[0]}" ]] || fail "cpack made no tablevane_*.deb: $(cat "$scratch/cpack.log")"
    depends=$(dpkg-deb -f "${debs[0]}" Depends)
    # Libraries found in the executable, and the office that it starts.
    for package in libqt6widgets6 libuno-cppu3 libchm1 libc6 "libreoffice-calc | libreoffice-calc-nogui"; do
        contains "$depends" "$package" "Depends"
    done
    contents=$(dpkg-deb -c "${debs[0]}")
    for entry in "./usr/bin/tablevane -> ../$progdir/tablevane" "./usr/$progdir/tablevane" "./usr/$progdir/Lang/Deutsch.lng" \
        "./usr/$progdir/Help/Tablevane.chm" "./usr/share/applications/$id.desktop" "./usr/share/mime/packages/$id.xml"; do
        contains "$contents" "$entry" "package contents"
    done
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
