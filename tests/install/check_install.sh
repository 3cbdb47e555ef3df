#!/usr/bin/env bash
# Checks what `cmake --install` puts in a prefix and what `cpack -G DEB` packs:
# every file is there and passes its own validator (desktop-file-validate,
# appstreamcli, xmllint and update-mime-database, groff), the licence is MIT in
# LICENSE, in the machine-readable copyright file and in the AppStream metadata, the
# installed program writes a report from another folder with no build folder in its
# paths, the desktop entry's Exec line opens a PAF file, a .gedcom file and a GEDCOM
# file named .txt in the windows (under xvfb-run), whose window carries the desktop
# entry's class and an icon, the bash completion completes commands, report names,
# options and data files, and the package depends on the fonts and on Qt, passes
# lintian without an error or warning, comes out byte for byte the same from a
# second cpack, and runs once unpacked.
#
# The man page and the completion must know every command the program names in
# `tamblewin --help` and every report kind it lists after a bare `tamblewin report`.
#
#   usage: check_install.sh BUILD_DIR DEMO_PAF SOURCE_DIR
# Exit status 77 (skipped) only when a tool it needs is not installed.
set -uo pipefail

build=$(cd "$1" && pwd)
demo=$2
source_dir=$(cd "$3" && pwd)
cmake_command=${CMAKE_COMMAND:-cmake}
cpack_command=${CPACK_COMMAND:-cpack}
bash_completion=/usr/share/bash-completion/bash_completion

for tool in desktop-file-validate appstreamcli xmllint update-mime-database groff readelf gzip lintian \
            dpkg-deb dpkg-shlibdeps xvfb-run xauth xdotool xprop "$cmake_command" "$cpack_command"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (bash tools/setup.sh installs it)"
        exit 77
    fi
done
if [ ! -f "$bash_completion" ]; then
    echo "SKIP: $bash_completion is missing: bash-completion is not installed (bash tools/setup.sh installs it)"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
app_id=org.tamblewin.Tamblewin

# --- The install tree --------------------------------------------------------------
if ! "$cmake_command" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install $build --prefix $prefix"
    exit 1
fi

exe=$prefix/bin/tamblewin
desktop=$prefix/share/applications/$app_id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/tamblewin.svg
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
mime=$prefix/share/mime/packages/tamblewin.xml
man_page=$prefix/share/man/man1/tamblewin.1.gz
completion=$prefix/share/bash-completion/completions/tamblewin
copyright=$prefix/share/doc/tamblewin/copyright
changelog=$prefix/share/doc/tamblewin/changelog.gz
for f in "$exe" "$desktop" "$icon" "$metainfo" "$mime" "$man_page" "$completion" "$copyright" "$changelog"; do
    [ -f "$f" ] || fail "not installed: ${f#"$prefix"/}"
done
[ -x "$exe" ] || fail "bin/tamblewin is not executable"
[ "$failures" -eq 0 ] || exit 1
pass "every file installed under the prefix"

# What the program itself says it does: its commands and report names.
help_text=$("$exe" --help 2>&1)
kinds_text=$("$exe" report 2>&1)
version_text=$("$exe" --version 2>&1)
version=$(grep -Eo '[0-9]+\.[0-9]+\.[0-9]+' <<<"$version_text" | head -n1)
[ -n "$version" ] || fail "no version number in 'tamblewin --version': $version_text"
mapfile -t reports < <(sed -n 's/^  \([a-z][a-z-]*\)$/\1/p' <<<"$kinds_text" | sort -u)
[ "${#reports[@]}" -ge 14 ] || fail "'tamblewin report' lists ${#reports[@]} report kinds, expected 14 or more: $kinds_text"
mapfile -t commands < <(grep -Eo '^ *(Usage: *)?tamblewin [a-z]+' <<<"$help_text" | awk '{print $NF}' | sort -u)
[ "${#commands[@]}" -ge 4 ] || fail "'tamblewin --help' names ${#commands[@]} commands: ${commands[*]}"

# --- Licence -----------------------------------------------------------------------
license=$source_dir/LICENSE
if [ "$(head -n 1 "$license")" = "MIT License" ] && grep -qx 'Copyright (c) The Tamblewin developers' "$license"; then
    pass "LICENSE is the MIT licence of The Tamblewin developers"
else
    fail "LICENSE is not the MIT licence of The Tamblewin developers: $(head -n 3 "$license")"
fi
# Debian's machine-readable form: every file MIT, with the licence's text as LICENSE has it.
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "the copyright file is not in the machine-readable format: $(head -n 1 "$copyright")"
awk 'BEGIN { RS = "" } /^Files: \*\n/ && /\nLicense: MIT(\n|$)/ { found = 1 } END { exit !found }' "$copyright" ||
    fail "the copyright file does not give every file (Files: *) the MIT licence"
copyright_text=$(awk 'BEGIN { RS = "" } /^License: MIT\n/ { print }' "$copyright" | tail -n +2 | sed 's/^ //; s/^\.$//')
if [ "$copyright_text" = "$(sed -n '/^Permission is hereby granted/,$p' "$license")" ]; then
    pass "the copyright file holds the MIT licence as LICENSE does"
else
    fail "the copyright file's MIT licence differs from LICENSE: $(diff <(echo "$copyright_text") <(sed -n '/^Permission is hereby granted/,$p' "$license"))"
fi
for f in "$source_dir"/packaging/*.desktop "$source_dir"/packaging/*.xml* "$source_dir"/packaging/*.1 \
         "$source_dir"/packaging/*.bash-completion "$source_dir"/packaging/*.svg "$source_dir"/cmake/*.cmake*; do
    grep -q 'SPDX-License-Identifier: ' "$f" || fail "${f#"$source_dir"/} has no SPDX-License-Identifier"
done

# gzip -9n, as Debian wants: the best compression, neither name nor time in the header.
is_gzip_9n() {
    local id1 id2 method flags t1 t2 t3 t4 xfl
    read -r id1 id2 method flags t1 t2 t3 t4 xfl _ < <(od -An -tu1 -N10 "$1")
    [ "$id1 $id2 $method" = "31 139 8" ] && [ $((flags & 8)) -eq 0 ] && [ "$t1$t2$t3$t4" = 0000 ] && [ "$xfl" = 2 ]
}
for f in "$man_page" "$changelog"; do
    if is_gzip_9n "$f"; then
        pass "${f#"$prefix"/} is compressed with gzip -9n"
    else
        fail "${f#"$prefix"/} is not compressed with gzip -9n: $(od -An -tx1 -N10 "$f")"
    fi
done
changelog_versions=$(gzip -dc "$changelog" | sed -n 's/^tamblewin (\([^)]*\)) .*/\1/p')
[ "$(head -n 1 <<<"$changelog_versions")" = "$version" ] ||
    fail "the changelog's newest entry is '$(head -n 1 <<<"$changelog_versions")', the program's version $version"

# --- Desktop entry -----------------------------------------------------------------
if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate: $out"
fi
desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
[ "$(desktop_key Name)" = Tamblewin ] || fail "desktop entry Name is '$(desktop_key Name)'"
[ "$(desktop_key Exec)" = "tamblewin %f" ] || fail "desktop entry Exec is '$(desktop_key Exec)'"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$(desktop_key Icon).svg" ] ||
    fail "desktop entry Icon '$(desktop_key Icon)' names no installed icon"
[ "$(desktop_key TryExec)" = tamblewin ] || fail "desktop entry TryExec is '$(desktop_key TryExec)'"
[ "$(desktop_key StartupNotify)" = true ] || fail "desktop entry StartupNotify is '$(desktop_key StartupNotify)'"
[ -n "$(desktop_key StartupWMClass)" ] || fail "desktop entry has no StartupWMClass"
IFS=';' read -r -a desktop_types <<<"$(desktop_key MimeType)"
for t in application/x-paf application/x-gedcom; do
    [[ " ${desktop_types[*]} " == *" $t "* ]] || fail "desktop entry MimeType lacks $t"
done

# --- Icon --------------------------------------------------------------------------
if xmllint --noout "$icon" 2>"$work/icon.err" && grep -q '<svg[^>]*viewBox="0 0 \([0-9]*\) \1"' "$icon"; then
    pass "icon is well-formed, square SVG"
else
    fail "icon: $(cat "$work/icon.err") (or its viewBox is not square)"
fi

# --- AppStream metadata ------------------------------------------------------------
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli validate --no-net"
else
    fail "appstreamcli validate --no-net: $out"
fi
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the installed desktop entry $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "metainfo has no release $version, the version the program reports"
[ "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")" = "$changelog_versions" ] ||
    fail "metainfo's releases ($(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | tr '\n' ' ')) are not the changelog's ($(tr '\n' ' ' <<<"$changelog_versions"))"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "metainfo's project_license is not MIT"
grep -q '<developer_name>[^<]' "$metainfo" || fail "metainfo names no developer"
grep -q '<url type="homepage">[^<]' "$metainfo" || fail "metainfo has no homepage"
grep -o '<image>[^<]*</image>' "$metainfo" | sed 's/.*\/packaging\//packaging\//; s/<\/image>//' |
    while read -r shot; do
        [ -f "$source_dir/$shot" ] || echo "FAIL: metainfo screenshot $shot is not in the repository"
    done | tee "$work/shots.err"
[ -s "$work/shots.err" ] && failures=$((failures + 1))

# --- MIME types --------------------------------------------------------------------
if xmllint --noout "$mime" 2>"$work/mime.err"; then
    pass "xmllint accepts the MIME file"
else
    fail "xmllint: $(cat "$work/mime.err")"
fi
mime_db=$work/mime
mkdir -p "$mime_db/packages"
cp "$mime" "$mime_db/packages/"
if out=$(XDG_DATA_HOME=$work update-mime-database "$mime_db" 2>&1) && [ -z "$out" ]; then
    pass "update-mime-database accepts the MIME file"
else
    fail "update-mime-database: $out"
fi
grep -qx 'application/x-paf:\*\.paf' "$mime_db/globs" || fail "*.paf is not application/x-paf in the built MIME database"
grep -qx 'application/x-gedcom:\*\.ged' "$mime_db/globs" || fail "*.ged is not application/x-gedcom in the built MIME database"
grep -qx 'application/x-gedcom:\*\.gedcom' "$mime_db/globs" || fail "*.gedcom is not application/x-gedcom in the built MIME database"
grep -qx 'application/x-gedcom text/plain' "$mime_db/subclasses" || fail "application/x-gedcom is not a sub-class of text/plain"
for t in "${desktop_types[@]}"; do
    [ -z "$t" ] || grep -q "^$t\$" "$mime_db/types" || fail "desktop entry opens $t, which the MIME file does not declare"
done

# --- Man page ----------------------------------------------------------------------
if gzip -dc "$man_page" | groff -man -Tutf8 -z -ww 2>"$work/man.err" && [ ! -s "$work/man.err" ]; then
    pass "man page renders without warnings"
else
    fail "groff -man: $(cat "$work/man.err")"
fi
man_text=$(gzip -dc "$man_page" | groff -man -Tutf8 -rLL=1000n -rHY=0 -P-c -P-b -P-u 2>/dev/null)
grep -q "Tamblewin $version" <<<"$man_text" || fail "man page does not name version $version"
for word in "${commands[@]}" "${reports[@]}" --paf --start -o --format --paper --large-sheets --date --plain-background \
            --help --version DSCtest.txt ft.log .twft TAMBLEWIN_DSC_TUNING SOURCE_DATE_EPOCH XDG_CONFIG_HOME \
            XDG_STATE_HOME PAPERSIZE PAPERCONF /etc/papersize; do
    grep -qF -- "$word" <<<"$man_text" || fail "man page does not mention $word"
done
for status in 0 1 2 3 5; do
    grep -Eq "^ {7}$status( |$)" <<<"$man_text" || fail "man page does not list exit status $status"
done

# --- The installed program, away from the source and build folders ---------------
run_dir=$work/elsewhere
mkdir -p "$run_dir"
for dir in "$build" "$source_dir"; do
    if readelf -d "$exe" | grep -E 'R(UN)?PATH' | grep -qF "$dir"; then
        fail "installed program keeps a run path into $dir"
    fi
done
if (cd "$run_dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$exe" report descendants-list --paf "$demo" --start 1 -o out.pdf) >"$work/run.log" 2>&1 &&
   head -c 5 "$run_dir/out.pdf" 2>/dev/null | grep -q '%PDF-' &&
   { ! command -v qpdf >/dev/null 2>&1 || qpdf --check "$run_dir/out.pdf" >>"$work/run.log" 2>&1; }; then
    pass "installed program writes the Descendants List (MRIN 1) from another folder"
else
    fail "installed program did not write out.pdf: $(cat "$work/run.log")"
fi
if (cd "$run_dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$exe" report ancestors-list-with-repeats --paf "$demo" --start 1 --format svg -o anc.svg) >"$work/run.log" 2>&1 &&
   [ -s "$run_dir/anc-1.svg" ]; then
    pass "installed program writes SVG pages of the Ancestors List (RIN 1)"
else
    fail "installed program did not write anc-1.svg: $(cat "$work/run.log")"
fi

# The words in another language come from the installed translations.
if (cd "$run_dir" && "$exe" report descendants-list --paf "$demo" --start 1 --format log -o de.log --language de) \
        >"$work/run.log" 2>&1 && grep -q ',Nachkommen von$' "$run_dir/de.log"; then
    pass "installed program writes German pages with --language de"
else
    fail "installed program did not write German pages: $(cat "$work/run.log") $(grep -m1 'TOC' "$run_dir/de.log" 2>/dev/null)"
fi

# --- "Open with" ---------------------------------------------------------------------
# The desktop entry's Exec line with a PAF file, a GEDCOM file named .gedcom and one
# named .txt (with a byte-order mark), under a virtual display.
gedcom_text=$'0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Anna /Berg/\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME Olof /Berg/\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n0 TRLR'
printf '%s\n' "$gedcom_text" >"$run_dir/family tree.gedcom"
printf '\xef\xbb\xbf%s\n' "$gedcom_text" >"$run_dir/exported.txt"
# -noreset: the virtual display stays up between the program runs, which otherwise
# may find it resetting after the last client left and fail to connect.
if xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$source_dir/tests/install/open_with.sh" "$desktop" "$prefix/bin" \
        "$version" "$demo" "$run_dir/family tree.gedcom" "$run_dir/exported.txt" >"$work/open.log" 2>&1; then
    cat "$work/open.log"
else
    cat "$work/open.log"
    fail "the desktop entry's Exec line did not open every data file in the windows"
fi

# --- Bash completion ---------------------------------------------------------------
files_dir=$work/complete
mkdir -p "$files_dir/sub"
touch "$files_dir/family.paf" "$files_dir/tree.ged" "$files_dir/old.gedcom" "$files_dir/notes.txt"
# Prints the completions of the words given, the last being the one completed.
complete_words() {
    (
        cd "$files_dir" &&
        bash --norc --noprofile -c '
            source "$1" || exit 1
            source "$2" || exit 1
            shift 2
            COMP_WORDS=("$@")
            COMP_CWORD=$(($# - 1))
            COMP_LINE="$*"
            COMP_POINT=${#COMP_LINE}
            _tamblewin tamblewin "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
            printf "%s\n" "${COMPREPLY[@]}" | sort' _ "$bash_completion" "$completion" "$@" 2>&1
    )
}
expect_completion() {
    local expected=$1
    shift
    local got
    got=$(complete_words "$@" | tr '\n' ' ' | sed 's/ $//')
    if [ "$got" = "$expected" ]; then
        pass "completes '$*' to: $expected"
    else
        fail "completing '$*': expected '$expected', got '$got'"
    fi
}
if bash --norc --noprofile -c 'source "$1" && source "$2" && complete -p tamblewin' _ "$bash_completion" "$completion" \
        >/dev/null 2>"$work/complete.err"; then
    pass "completion script loads and registers tamblewin"
else
    fail "completion script does not load: $(cat "$work/complete.err")"
fi
expect_completion "$(printf '%s\n' "${reports[@]}" | grep '^desc' | tr '\n' ' ' | sed 's/ $//')" tamblewin report desc
expect_completion "$(printf '%s\n' "${reports[@]}" | tr '\n' ' ' | sed 's/ $//')" tamblewin report ''
expect_completion "$(printf '%s\n' "${commands[@]}" --help --version | sort -u | tr '\n' ' ' | sed 's/ $//')" tamblewin ''
expect_completion "log pdf png svg" tamblewin report family-tree-chart --format ''
expect_completion "a3 a4 a5" tamblewin report family-tree-chart --paper a
expect_completion "family.paf old.gedcom sub tree.ged" tamblewin report family-tree-chart --paf ''
expect_completion "family.paf notes.txt old.gedcom sub tree.ged" tamblewin report family-tree-chart -o ''
expect_completion "family.paf old.gedcom sub tree.ged" tamblewin people ''
expect_completion "old.gedcom sub tree.ged" tamblewin import ''
expect_completion "--date --format --language --large-sheets --paper --plain-background --start -o" tamblewin report descendants-list --paf family.paf ''

# --- The Debian package ------------------------------------------------------------
packages=$work/packages
# The package's times default to the last commit's (else the newest changelog entry's).
unset SOURCE_DATE_EPOCH
if ! (cd "$build" && "$cpack_command" -G DEB -B "$packages") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack -G DEB"
    exit 1
fi
deb=$(find "$packages" -maxdepth 1 -name 'tamblewin_*.deb' | head -n1)
if [ -z "$deb" ]; then
    fail "cpack made no tamblewin_*.deb: $(ls "$packages")"
    exit 1
fi
pass "cpack -G DEB made $(basename "$deb")"
info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
recommends=$(sed -n 's/^ Recommends: //p' <<<"$info")
echo "   Depends: $depends"
echo "   Recommends: $recommends"
grep -Eq '(^|, )fonts-liberation2($|[ ,])' <<<"$depends" || fail "package Depends lacks fonts-liberation2"
grep -q 'fonts-noto' <<<"$depends" && fail "package Depends on the Noto fonts, which it only recommends"
for font in fonts-noto-core fonts-noto-cjk; do
    grep -Eq "(^|, )$font(\$|[ ,])" <<<"$recommends" || fail "package Recommends lacks $font"
done
grep -Eq '(^|, )libqt6gui6 ' <<<"$depends" || fail "package Depends lacks a Qt library (dpkg-shlibdeps did not run?)"
grep -q "^ Version: $version\$" <<<"$info" || fail "package version is not $version"
grep -Eq '^ Section: (science|misc)$' <<<"$info" || fail "package Section is not science or misc"
grep -q '^ Maintainer: .*<.*@.*>' <<<"$info" || fail "package has no Maintainer with an address"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/tamblewin "usr/share/applications/$app_id.desktop" usr/share/icons/hicolor/scalable/apps/tamblewin.svg \
         "usr/share/metainfo/$app_id.metainfo.xml" usr/share/mime/packages/tamblewin.xml usr/share/man/man1/tamblewin.1.gz \
         usr/share/bash-completion/completions/tamblewin usr/share/doc/tamblewin/copyright \
         usr/share/doc/tamblewin/changelog.gz; do
    grep -qx "\./$f" <<<"$contents" || fail "package lacks /$f"
done

# lintian, as Debian runs it on uploads: no error, no warning. Where the build is
# optimised it also takes the hardening flags and drops the compiler's sections,
# which lintian only mentions.
cache=$build/CMakeCache.txt
hardened=
if grep -Eq '^CMAKE_BUILD_TYPE:[A-Z]+=(Release|RelWithDebInfo|MinSizeRel)$' "$cache" &&
   grep -q '^TAMBLEWIN_HARDENING:BOOL=ON$' "$cache" && ! grep -Eq '^TAMBLEWIN_(SANITIZE|FUZZ):BOOL=ON$' "$cache"; then
    hardened=yes
fi
if lintian --pedantic --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 &&
   ! { [ -n "$hardened" ] && grep -E 'hardening-no-|binary-has-unneeded-section' "$work/lintian.log"; }; then
    pass "lintian --pedantic: no error or warning$([ -n "$hardened" ] && echo ", and the program is hardened")"
else
    fail "lintian: $(grep -v 'running with root privileges' "$work/lintian.log")"
fi

# A second run gives the same bytes, and the files carry the last commit's time.
again=$work/again
if (cd "$build" && "$cpack_command" -G DEB -B "$again") >"$work/cpack2.log" 2>&1 &&
   cmp "$deb" "$again/$(basename "$deb")" >"$work/cmp.log" 2>&1; then
    pass "a second cpack gives the same bytes"
else
    fail "a second cpack gives another package: $(cat "$work/cmp.log")"
fi
if epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M')
    stamps=$(TZ=UTC dpkg-deb -c "$deb" | awk '{print $4 " " $5}' | sort -u)
    [ "$stamps" = "$stamp" ] || fail "the package's files are dated $(tr '\n' ' ' <<<"$stamps"), not $stamp (the last commit)"
fi

unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
if (cd "$run_dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$unpacked/usr/bin/tamblewin" report family-tree-chart --paf "$demo" --start 1 -o deb.pdf) >"$work/run.log" 2>&1 &&
   head -c 5 "$run_dir/deb.pdf" 2>/dev/null | grep -q '%PDF-' &&
   { ! command -v qpdf >/dev/null 2>&1 || qpdf --check "$run_dir/deb.pdf" >>"$work/run.log" 2>&1; }; then
    pass "the packaged program writes the Family Tree Chart"
else
    fail "the packaged program did not write deb.pdf: $(cat "$work/run.log")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
