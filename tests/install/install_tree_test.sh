#!/usr/bin/env bash
# cmake --install into a temporary DESTDIR: every desktop file is valid, the
# MIME package makes "*.da4" our type, each manual page names every option of
# its program's --help, and the installed programs give their version and usage
# without a display, the same JSON as the build's kalvesta4-cli and the summary
# page. Then an install to a user's prefix: its desktop entry names the program
# by its absolute path, and scripts/uninstall removes every file it put there.
#   install_tree_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 app_id=$3
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"
share="$usr/share"

desktop-file-validate "$share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/$app_id.metainfo.xml"
xmllint --noout "$share/mime/packages/$app_id.xml"

# The icon the desktop entry names, in every size and as SVG.
icon=$(sed -n 's/^Icon=//p' "$share/applications/$app_id.desktop")
for size in 16 22 24 32 48 64 128 256; do
    [[ -s "$share/icons/hicolor/${size}x${size}/apps/$icon.png" ]] || fail "no ${size}px icon"
done
[[ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no scalable icon"

# The MIME database built from our package maps "*.da4" to the type the desktop
# entry opens.
mime_type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$share/applications/$app_id.desktop")
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
grep -qx "50:$mime_type:\*\.da4" "$share/mime/globs2" || fail "*.da4 is not $mime_type"
grep -qx "$mime_type text/plain" "$share/mime/subclasses" || fail "$mime_type is no text/plain"

# Each program answers --help without a display, and every option it names has
# its entry in the program's manual page, which formats cleanly.
cli="$usr/bin/kalvesta4-cli"
for program in kalvesta4 kalvesta4-cli; do
    page="$share/man/man1/$program.1.gz"
    warnings=$(zcat "$page" | groff -man -ww -z -K utf8 2>&1)
    [[ -z "$warnings" ]] || fail "$page: $warnings"
    manual=$(zcat "$page" | groff -man -Tutf8 -K utf8 2>/dev/null | sed 's/.\x08//g')
    usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --help) ||
        fail "$program --help"
    [[ $(env -u DISPLAY "$usr/bin/$program" -h) == "$usage" ]] || fail "$program -h"
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
        grep -qE -- "^ +(-h, )?$option( |$)" <<<"$manual" || fail "$page has no entry $option"
    done
done
status=0
env -u DISPLAY "$usr/bin/kalvesta4" --no-such-option 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "kalvesta4 took an unknown option (exit status $status)"

[[ $("$cli" --version) == "kalvesta4-cli $version" ]] || fail "kalvesta4-cli --version"
[[ $("$usr/bin/kalvesta4" --version) == "kalvesta4 $version" ]] || fail "kalvesta4 --version"
installed_json=$("$cli" --json)
[[ "$installed_json" == "$("$build/src/kalvesta4-cli" --json)" ]] ||
    fail "the installed kalvesta4-cli gives other figures"
grep -q '"panel_count": 426' <<<"$installed_json" || fail "not the start-up aircraft"
"$cli" --summary "$dest/page.png" >/dev/null
[[ -s "$dest/page.png" ]] || fail "the installed kalvesta4-cli writes no summary page"
[[ -s "$share/doc/kalvesta4/LICENSE" ]] || fail "no LICENSE"

# A user's prefix: the desktop entry works before the prefix's bin folder is on
# the PATH (a name with a blank is quoted in Exec), and scripts/uninstall takes
# every file of the install's list away again.
user_prefix="$dest/home of user/.local"
cmake --install "$build" --prefix "$user_prefix" >/dev/null
entry="$user_prefix/share/applications/$app_id.desktop"
desktop-file-validate "$entry"
grep -qxF "Exec=\"$user_prefix/bin/kalvesta4\" %f" "$entry" || fail "Exec is not the absolute path"
grep -qxF "TryExec=$user_prefix/bin/kalvesta4" "$entry" || fail "TryExec is not the absolute path"
mapfile -t installed <"$user_prefix/share/kalvesta4/install_manifest.txt"
grep -qxF "$entry" "$user_prefix/share/kalvesta4/install_manifest.txt" || fail "the list lacks $entry"
"$source_dir/scripts/uninstall" "$user_prefix" >/dev/null
for file in "${installed[@]}" "$user_prefix/share/kalvesta4"; do
    [[ ! -e $file ]] || fail "$file is left after scripts/uninstall"
done
echo "installed tree: valid"
