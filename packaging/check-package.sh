#!/usr/bin/env bash
# Checks a built vondrik2000 package as its users will meet it: lintian, the desktop entry and
# the AppStream data; installed with apt-get, the program started by two throwaway users under
# Xvfb (main window, a search result, each user's own data folder); then removed, after which
# no file of it may be left outside the users' folders. Needs root; removes what it made.
#
#   packaging/check-package.sh <vondrik2000_*.deb> [folder for the screenshots]
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"

deb="$(realpath "$1")"
shots="$(realpath -m "${2:-$(dirname "$deb")/check}")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(dirname "$here")"
package=vondrik2000
users=(vondrikprobe1 vondrikprobe2)
patterns=("st#ll#" "k#e#z")
work="$(mktemp -d)"
installed_by_us=false
apt=(apt-get -y -q -o DPkg::Lock::Timeout=600)

step() { printf '\n== %s\n' "$*"; }
fail() {
    printf 'CHECK FAILED: %s\n' "$*" >&2
    exit 1
}

cleanup() {
    set +e
    if $installed_by_us && dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
        DEBIAN_FRONTEND=noninteractive "${apt[@]}" remove "$package" >/dev/null
    fi
    for user in "${users[@]}"; do
        id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Every path whose name holds "vondrik" in the system's folders (a package never writes to
# home folders), leaving out this clone, in case it lies there, and what the check writes.
vondrik_paths() {
    local roots=()
    for root in /usr /etc /var /opt /srv; do
        [ -d "$root" ] && [ ! -L "$root" ] && roots+=("$root")
    done
    find "${roots[@]}" -xdev \( -path /var/tmp -o -path "$repo" -o -path "$work" \
        -o -path "$shots" \) -prune -o -iname '*vondrik*' -print 2>/dev/null | sort
}

step "Package"
ls -l "$deb"
printf 'size: %s bytes (%s), installed size %s KiB\n' "$(stat -c %s "$deb")" \
    "$(du -h "$deb" | cut -f1)" "$(dpkg-deb -f "$deb" Installed-Size)"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends Section
dpkg-deb -c "$deb" | awk '{print $1, $6, $7, $8}'

step "lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"
echo "lintian: no errors"

step "Desktop entry and AppStream data"
mkdir "$work/contents"
dpkg-deb -x "$deb" "$work/contents"
for entry in "$work"/contents/usr/share/applications/*.desktop; do
    out="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    echo "desktop-file-validate ${entry#"$work/contents"}: clean"
done
for metainfo in "$work"/contents/usr/share/metainfo/*.metainfo.xml; do
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
done

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
    fail "$package is installed already; remove it first (apt-get remove $package)"
fi
before="$(vondrik_paths)"

step "apt-get install"
installed_by_us=true
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install "$deb" | tail -n 4
[ -x /usr/bin/vondrik ] || fail "/usr/bin/vondrik is missing"
for file in /usr/share/vondrik2000/daten/{daten.mdb,lcd.ttf,keystroke.ttf}; do
    [ -s "$file" ] || fail "$file is missing or empty (a font package missing?)"
done
echo "installed: $(dpkg-query -W -f='${Package} ${Version} ${Status}' "$package")"

step "The installed program, started by two users"
cp "$here/drive-search.sh" "$work/"
chmod 755 "$work" "$work/drive-search.sh"
mkdir -p "$shots"
for i in "${!users[@]}"; do
    user="${users[$i]}"
    home="/home/$user"
    folder="$home/.local/share/vondrik2000"
    id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
    useradd --create-home --shell /bin/bash "$user"
    echo "-- $user searches \"${patterns[$i]}\""
    status=0
    timeout 180 runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin \
        LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive-search.sh" \
        /usr/bin/vondrik "${patterns[$i]}" "$home/main-window.png" >"$work/$user.log" 2>&1 ||
        status=$?
    # Without a sound card the multimedia back end complains; that is not the program's doing.
    grep -v -e "audio device" -e PulseAudio -e XDG_RUNTIME_DIR "$work/$user.log" || true
    [ "$status" -eq 0 ] || fail "the program did not run as expected for $user"
    cp "$home/main-window.png" "$shots/$user.png"
    for file in daten/daten.mdb vondrik.ini; do
        [ "$(stat -c %U "$folder/$file" 2>/dev/null)" = "$user" ] ||
            fail "$folder/$file is missing or not $user's"
    done
    cmp -s "$folder/daten/daten.mdb" /usr/share/vondrik2000/daten/daten.mdb ||
        fail "$user's dictionary is not the installed one"
    echo "$user's own data folder $folder:"
    for entry in "$folder"/*; do
        if [ "${entry##*/}" = daten ]; then
            echo "   daten/: $(cd "$entry" && ls | tr '\n' ' ')"
        elif [ -d "$entry" ]; then
            echo "   ${entry##*/}/: $(find "$entry" -type f | wc -l) files"
        else
            echo "   ${entry##*/}"
        fi
    done
    others="$(cd "$home" && find . -path ./.local/share/vondrik2000 -prune -o -type f \
        ! -name main-window.png ! -name '.bash*' ! -name .profile -print | sort | tr '\n' ' ')"
    echo "   elsewhere in the home folder: ${others:-nothing}"
done
echo "screenshots: $shots"

step "apt-get remove"
DEBIAN_FRONTEND=noninteractive "${apt[@]}" remove "$package" | tail -n 2
installed_by_us=false
status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
[[ "$status" != *installed* || "$status" == *not-installed* ]] || fail "still installed: $status"
while read -r path; do
    [ -e "/$path" ] || [ -L "/$path" ] || continue
    [ -d "/$path" ] && [ ! -L "/$path" ] && continue  # folders other packages share
    fail "left behind: /$path"
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||')
for dir in /usr/share/vondrik2000 /usr/share/doc/vondrik2000; do
    [ ! -e "$dir" ] || fail "left behind: $dir"
done
left="$(comm -13 <(echo "$before") <(vondrik_paths))"
[ -z "$left" ] || fail "new files named vondrik left behind: $left"
for user in "${users[@]}"; do
    [ -f "/home/$user/.local/share/vondrik2000/daten/daten.mdb" ] ||
        fail "the removal touched $user's folder"
done
echo "no file of $package left outside the users' folders; the users' folders are kept"

printf '\n== Package check passed: %s\n' "$(basename "$deb")"
