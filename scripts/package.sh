#!/usr/bin/env bash
# Builds the Debian package from a build directory (default: build, which must
# have been built), checks the desktop entry, the clone file type, the
# manual pages, the user guide in every language, the sample file, the
# translations and the stock lists, then installs the package with apt-get as a user would, runs
# `mtz4ctl new`, starts mtz4clone offscreen with the new clone file, closes
# it, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
# The checkers, and what renders manual pages.
scripts/install-deps.sh desktop-file-utils libxml2-utils man-db file
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

echo "== checking the desktop entry, the clone file type and the manual pages"
desktop-file-validate data/mtz4clone.desktop
xmllint --noout data/mtz4clone-mime.xml
for page in mtz4clone mtz4ctl mtz4sim; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$build_dir/data/man/$page.1" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page.1: $warnings" >&2
        exit 1
    fi
done

echo "== building the package"
rm -f "$build_dir"/mtz4clone_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/mtz4clone_*.deb)
dpkg-deb --field "$deb" Package Version Depends
# The manual pages are checked in the package: some systems leave
# /usr/share/man out when they install one.
contents=$(dpkg-deb --contents "$deb")
for page in mtz4clone mtz4ctl mtz4sim; do
    grep -q "/usr/share/man/man1/$page.1.gz" <<<"$contents" ||
        { echo "the package has no manual page $page.1" >&2; exit 1; }
done
# The user guide in English and in Japanese with every picture they show,
# and the sample clone file.
guide_files=(/usr/share/doc/mtz4clone/guide.html /usr/share/doc/mtz4clone/guide.ja.html
             /usr/share/mtz4clone/sample.MZ4)
for picture in $(grep -oh '([a-z0-9-]*\.png)' docs/guide*.md | tr -d '()' | sort -u); do
    guide_files+=("/usr/share/doc/mtz4clone/$picture")
done
for f in "${guide_files[@]}"; do
    grep -q " \.$f\$" <<<"$contents" || { echo "the package has no $f" >&2; exit 1; }
done
# The program's translations, one for each language file of translations/.
for ts in translations/mtz4clone_*.ts; do
    qm=/usr/share/mtz4clone/translations/$(basename "$ts" .ts).qm
    grep -q " \.$qm\$" <<<"$contents" || { echo "the package has no translation $qm" >&2; exit 1; }
done
# The stock lists of public channels.
stock_files=()
for list in data/stock/*.csv; do
    stock_files+=("/usr/share/mtz4clone/stock/$(basename "$list")")
done
for f in "${stock_files[@]}"; do
    grep -q " \.$f\$" <<<"$contents" || { echo "the package has no stock list $f" >&2; exit 1; }
done

work=$(mktemp -d)
installed=""
cleanup() {
    if [ -n "$installed" ]; then
        "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get remove -y -qq -o DPkg::Lock::Timeout=300 mtz4clone >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== installing $deb"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$(realpath "$deb")" >/dev/null
installed=yes
for f in /usr/bin/mtz4clone /usr/bin/mtz4ctl /usr/bin/mtz4sim \
         /usr/share/applications/mtz4clone.desktop /usr/share/mime/packages/mtz4clone.xml \
         /usr/share/icons/hicolor/scalable/apps/mtz4clone.svg \
         /usr/share/icons/hicolor/48x48/apps/mtz4clone.png /usr/share/mtz4clone/sample.MZ4; do
    [ -e "$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
# Systems that leave /usr/share/doc out when they install a package keep the
# guide out too; elsewhere it is there with its pictures.
if ! grep -rqs '^path-exclude.*/usr/share/doc' /etc/dpkg/dpkg.cfg.d/; then
    for f in "${guide_files[@]}"; do
        [ -e "$f" ] || { echo "missing after install: $f" >&2; exit 1; }
    done
fi

# The system's triggers register the clone file type and the program that
# opens it (where the desktop's MIME and application databases are installed).
if command -v update-mime-database >/dev/null; then
    [ -e /usr/share/mime/application/x-mtz4-clone.xml ] ||
        { echo "the clone file type was not registered" >&2; exit 1; }
fi
grep -q '^application/x-mtz4-clone=.*mtz4clone.desktop' /usr/share/applications/mimeinfo.cache ||
    { echo "mtz4clone is not registered to open clone files" >&2; exit 1; }

echo "== trying the installed programs"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
/usr/bin/mtz4ctl --version
/usr/bin/mtz4ctl new --model MT-Z4J -o "$work/new.MZ4"
# The installed stock lists are found and import.
[ "$(/usr/bin/mtz4ctl stock | wc -l)" -eq "${#stock_files[@]}" ] ||
    { echo "mtz4ctl stock does not list every installed stock list" >&2; exit 1; }
/usr/bin/mtz4ctl import --quiet --stock pmr446 --into 12 "$work/new.MZ4" -o "$work/pmr446.MZ4"
QT_QPA_PLATFORM=offscreen /usr/bin/mtz4clone "$work/new.MZ4" >"$work/program.log" 2>&1 &
program=$!
# The window is up once the program catches TERM (bit 15 of its caught
# signals), which it does from the end of its start-up on.
ready=""
for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$program/status" 2>/dev/null || true)
    if [ -n "$caught" ] && (( (16#$caught >> 14) & 1 )); then
        ready=yes
        break
    fi
    sleep 0.1
done
if [ -z "$ready" ]; then
    echo "mtz4clone did not start" >&2
    cat "$work/program.log" >&2
    exit 1
fi
# TERM asks the window to close, as a logout would.
kill -TERM "$program"
status=0
wait "$program" || status=$?
if [ "$status" -ne 0 ]; then
    echo "mtz4clone did not close cleanly (exit status $status)" >&2
    cat "$work/program.log" >&2
    exit 1
fi
# An orderly end writes the port number, here in the per-user directory.
[ -f "$work/config/mtz4-clone/mtz4clone/MT-Z4.ini" ] ||
    { echo "mtz4clone closed without writing its INI file" >&2; exit 1; }
[ ! -e /usr/bin/MT-Z4.ini ] || { echo "mtz4clone wrote /usr/bin/MT-Z4.ini" >&2; exit 1; }

echo "== removing the package"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get remove -y -qq -o DPkg::Lock::Timeout=300 mtz4clone >/dev/null
installed=""
for f in /usr/bin/mtz4clone /usr/share/applications/mtz4clone.desktop; do
    [ ! -e "$f" ] || { echo "left after removal: $f" >&2; exit 1; }
done
echo "package: built, installed, run and removed cleanly"
