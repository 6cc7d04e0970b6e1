#!/usr/bin/env bash
# The Debian package on this machine (as root): built by scripts/package, lintian
# finds no error or warning and no missing hardening in it (where lintian is
# installed); installed with dpkg -i, the program runs from the PATH, ".da4"
# files are our type and open with our desktop entry, the manual page is found;
# dpkg -r then leaves none of its files behind. Skipped when a kalvesta4 package
# is already installed, so that a user's installation is never replaced or
# removed.
#   tests/install/package_test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ $(id -u) -ne 0 ]]; then
    echo "package test skipped: dpkg -i needs root"
    exit 0
fi
if dpkg-query -W -f='${Status}' kalvesta4 2>/dev/null | grep -q 'ok installed'; then
    echo "package test skipped: a kalvesta4 package is installed already"
    exit 0
fi
package=$(scripts/package)
work=$(mktemp -d)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() {
    if dpkg-query -W kalvesta4 >/dev/null 2>&1; then
        dpkg -r kalvesta4 >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if command -v lintian >/dev/null; then
    findings=$(lintian --allow-root --info --fail-on error,warning "$package") ||
        fail "lintian: $findings"
    ! grep -q hardening <<<"$findings" || fail "lintian: $findings"
fi

mapfile -t files < <(dpkg-deb --fsys-tarfile "$package" | tar -t | sed -n 's|^\./\(.*[^/]\)$|/\1|p')
desktop_file=$(printf '%s\n' "${files[@]}" | grep '^/usr/share/applications/.*\.desktop$')
app_id=$(basename "$desktop_file" .desktop)
dpkg -i "$package"

# Queries as a user without settings of their own would make them.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset XDG_CURRENT_DESKTOP XDG_DATA_DIRS XDG_CONFIG_DIRS
[[ $(command -v kalvesta4-cli) == /usr/bin/kalvesta4-cli ]] || fail "kalvesta4-cli is not on the PATH"
json=$(kalvesta4-cli --json)
[[ "$json" == "$(build/release/src/kalvesta4-cli --json)" ]] || fail "other figures than the build's"
grep -q '"panel_count": 426' <<<"$json" || fail "not the start-up aircraft"
kalvesta4-cli --save "$work/plane.da4" >/dev/null

mime_type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop_file")
[[ $(xdg-mime query filetype "$work/plane.da4") == "$mime_type" ]] || fail "plane.da4 is not $mime_type"
[[ $(xdg-mime query default "$mime_type") == "$app_id.desktop" ]] || fail "no default for $mime_type"
[[ $(man -w kalvesta4-cli) == /usr/share/man/man1/kalvesta4-cli.1* ]] || fail "man -w kalvesta4-cli"

dpkg -r kalvesta4
for file in "${files[@]}"; do
    [[ ! -e "$file" ]] || fail "$file is left after dpkg -r"
done
grep -qs "$mime_type" /usr/share/mime/globs2 && fail "$mime_type is left in the MIME database"
grep -qs "$app_id" /usr/share/applications/mimeinfo.cache && fail "$app_id is left in the desktop database"
echo "package: installs, works from the PATH, removes cleanly"
