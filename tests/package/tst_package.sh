#!/usr/bin/env bash
# The Debian package: built with the "package" preset in a tree of its own,
# checked by lintian and desktop-file-validate, installed into a throwaway
# root, and started from there. The host's own packages are never touched:
# as root the package is installed by dpkg into an empty root of its own
# (--root, its own package database, no maintainer scripts), elsewhere it is
# unpacked there; apt only simulates the install, to prove that the
# computed dependencies resolve.
#   tst_package.sh SOURCE-DIR WORK-DIR VERSION SHIPPED-NAMES(;-separated)
set -euo pipefail
source_dir=$1
work=$2
VERSION=$3
IFS=';' read -r -a SHIPPED <<<"$4"
. "$(dirname "$0")/firststart.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; echo "$passed passed, 1 failed"; exit 1; }

# The release tree stays from one run to the next, so that a run rebuilds
# only what changed; everything else is made anew.
tree=$work/tree
rm -rf "$work/out" "$work/root" "$work/home"
mkdir -p "$work/out"
cmake --preset package -S "$source_dir" -B "$tree" >/dev/null
cmake --build "$tree"
(cd "$tree" && cpack -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/out/zampora_${VERSION}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in $(ls "$work/out")"
pass "cpack made $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6charts6 libc6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
pass "Depends, computed by dpkg-shlibdeps: $depends"

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
expected=(./usr/bin/zampora ./usr/share/applications/zampora.desktop
    ./usr/share/icons/hicolor/scalable/apps/zampora.svg ./usr/share/doc/zampora/copyright
    ./usr/share/doc/zampora/changelog.gz ./usr/share/man/man1/zampora.1.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/zampora.png")
done
for name in "${SHIPPED[@]}"; do
    expected+=("./usr/share/zampora/$name")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
pass "the package holds the program, ${SHIPPED[*]}, the desktop entry, the icons and the manual page"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian found errors"; }
sed 's/^/    lintian: /' "$work/lintian.log"
pass "lintian reports no error"

root=$work/root
if [ "$(id -u)" = 0 ]; then
    # An empty system of its own: dpkg installs, registers and configures
    # there. The dependencies live on the host, hence --force-depends.
    mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
    touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
    dpkg --root="$root" --force-depends --install "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --install"; }
    [ "$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${db:Status-Status}' zampora)" = installed ] \
        || fail "dpkg does not list zampora as installed"
    pass "dpkg installed the package into the empty root $root"
    if apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1; then
        pass "apt resolves the package's dependencies on this system"
    else
        cat "$work/apt.log"
        fail "apt cannot resolve the package's dependencies"
    fi
else
    echo "note: not root, so the package is unpacked (dpkg -x), not installed, into $root"
    dpkg-deb -x "$deb" "$root"
fi

desktop-file-validate "$root/usr/share/applications/zampora.desktop" >"$work/desktop.log" 2>&1 \
    || { cat "$work/desktop.log"; fail "desktop-file-validate found errors"; }
sed 's/^/    desktop-file-validate: /' "$work/desktop.log"
pass "desktop-file-validate reports no error"

appstreamcli validate --no-net "$root/usr/share/metainfo/it.zampora.zampora.metainfo.xml" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "appstreamcli found errors"; }
sed 's/^/    appstreamcli: /' "$work/appstream.log"
pass "appstreamcli validates the software centre's description"

program=$root/usr/bin/zampora
check_version "$program" || fail "--version"
pass "the installed program tells its version"

# The installed program keeps each user's archives in $XDG_DATA_HOME/zampora,
# and a first start fills it from the installed templates.
export HOME=$work/home
unset XDG_DATA_HOME
first_start "$HOME/.local/share/zampora" "$program" || fail "first start"
for name in "${SHIPPED[@]}"; do
    cmp "$root/usr/share/zampora/$name" "$HOME/.local/share/zampora/$name" || fail "$name differs from its template"
done
[ -z "$(ls -A "$root/usr/bin" | grep -vx zampora)" ] || fail "the program wrote beside itself: $(ls "$root/usr/bin")"
pass "a first start filled ~/.local/share/zampora with ${SHIPPED[*]}"

# A task from the terminal works on the same folder as the windows.
"$program" --backup "$work/copia.zip" >"$work/backup.log" 2>&1 || { cat "$work/backup.log"; fail "--backup"; }
python3 -c 'import sys, zipfile; sys.exit("unins000.dll" not in zipfile.ZipFile(sys.argv[1]).namelist())' \
    "$work/copia.zip" || fail "the backup lacks the settings file of ~/.local/share/zampora"
pass "--backup saved ~/.local/share/zampora"
echo "$passed passed, 0 failed"
