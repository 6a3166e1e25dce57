#!/usr/bin/env bash
# Installs a built suite into a temporary DESTDIR and checks it from there as a user
# would meet it, then builds the Debian package and checks its contents and metadata:
#   scripts/test-install.sh [build folder]        (default: build; built already)
# Needs lintian, desktop-file-utils, shared-mime-info and xdg-utils (install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "${1:-build}")
here=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/dest
prefix=/usr
root=$dest$prefix
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config QT_QPA_PLATFORM=offscreen
# Widths below count characters, the manual pages' dashes included.
export LC_ALL=C.UTF-8
unset TARVIK_CONFIG_DIR SCARROW_HISTORY_FILE
mkdir -p "$HOME"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
ok() { echo "ok: $*"; }

DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }

# Files where they belong.
for f in bin/calculations bin/sendrik bin/scarrow bin/scarrow-window; do
  [ -x "$root/$f" ] || fail "$f is not installed as a program"
done
ids=(org.tarvik.Calculations org.tarvik.Sendrik org.tarvik.Scarrow)
for id in "${ids[@]}"; do
  for f in "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
           "share/metainfo/$id.metainfo.xml"; do
    [ -f "$root/$f" ] || fail "$f is missing"
  done
done
for f in share/mime/packages/org.tarvik.gcode.xml share/doc/tarvik-shop-suite/copyright \
         share/doc/tarvik-shop-suite/changelog.gz; do
  [ -f "$root/$f" ] || fail "$f is missing"
done
# Every help page of the source tree, and nothing else, is installed.
diff <(cd help && find . -type f | sort) <(cd "$root/share/tarvik/help" && find . -type f | sort) ||
  fail "the installed help pages differ from help/"
# The German and French catalogues of every program and of what they share.
for catalogue in calculations sendrik scarrow tarvik-common; do
  for lang in de fr; do
    [ -s "$root/share/tarvik/translations/${catalogue}_$lang.qm" ] ||
      fail "share/tarvik/translations/${catalogue}_$lang.qm is missing"
  done
done
ok "files in place"

for id in "${ids[@]}"; do
  desktop-file-validate "$root/share/applications/$id.desktop" || fail "$id.desktop"
  appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "$id.metainfo.xml"; }
  grep -q '<image>https://' "$root/share/metainfo/$id.metainfo.xml" ||
    fail "$id.metainfo.xml names no screenshot"
  icon=$(sed -n 's/^Icon=//p' "$root/share/applications/$id.desktop")
  [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$id.desktop: no icon $icon"
done
# Opening a text file from the desktop must never reach Sendrik, which sends what it is
# given: the entries claim the CNC program type only, and Sendrik's lists the files
# (--open) rather than sending them.
for entry in "$root"/share/applications/*.desktop; do
  types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n')
  if grep -qx 'text/plain' <<<"$types"; then fail "$(basename "$entry") claims text/plain"; fi
done
for id in org.tarvik.Sendrik org.tarvik.Scarrow; do
  grep -qx 'MimeType=text/x-gcode;' "$root/share/applications/$id.desktop" ||
    fail "$id.desktop does not open CNC programs"
done
grep -qx 'Exec=sendrik --open %F' "$root/share/applications/org.tarvik.Sendrik.desktop" ||
  fail "Sendrik's menu entry does not start the window with --open"
ok "menu entries and AppStream data valid"

# The manual pages render at 80 columns and say what --help says.
for program in calculations sendrik scarrow scarrow-window; do
  page=$(ls "$root/share/man/man1/$program.1"*)
  MANWIDTH=80 man -l "$page" 2>"$work/man.err" >"$work/man.txt" || fail "man -l $page"
  [ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "man -l $page warns"; }
  while IFS= read -r line; do
    [ "${#line}" -le 80 ] || fail "$program.1 is wider than 80 columns: $line"
  done <"$work/man.txt"
  grep -q -- "--version" "$work/man.txt" || fail "$program.1 does not list --version"
  [ "$program" = scarrow-window ] && continue
  for heading in NAME DESCRIPTION OPTIONS "EXIT STATUS|Exit status" FILES EXAMPLES; do
    grep -Eq "^($heading)| ($heading):" "$work/man.txt" || fail "$program.1 has no $heading"
  done
done
grep -q -- "--occurrences" <(man -l "$root/share/man/man1/scarrow.1"*) ||
  fail "scarrow.1 lacks the options of scarrow search"
MANWIDTH=80 man -l "$root/share/man/man1/sendrik.1"* >"$work/man.txt"
grep -q -- "--idle-timeout" "$work/man.txt" || fail "sendrik.1 lacks the receive options"
grep -Eq '^ +Configuration file: \S+/port\.cfg$' "$work/man.txt" &&
  grep -Eq '^ +Port map: \S+/ports\.cfg$' "$work/man.txt" ||
  fail "sendrik.1 does not give the configuration file and the port map a line each"
MANWIDTH=80 man -l "$root/share/man/man1/scarrow-window.1"* | grep -Eqx ' +scarrow-window \[FILE\]' ||
  fail "scarrow-window.1 does not show its own usage"
ok "manual pages render"

# sendrik serve runs as a system service and as a user service: both units check out with
# systemd-analyze, their ExecStart pointed at the staged program (nothing is installed on
# this machine itself).
mkdir -p "$work/units/system" "$work/units/user" "$work/runtime"
for kind in system user; do
  unit=$root/lib/systemd/$kind/sendrik-serve.service
  if [ ! -f "$unit" ]; then
    fail "the $kind unit sendrik-serve.service is not installed"
    continue
  fi
  grep -q "^ExecStart=$prefix/bin/sendrik serve" "$unit" || fail "$kind unit: ExecStart"
  sed "s|$prefix/bin/sendrik|$root/bin/sendrik|" "$unit" >"$work/units/$kind/sendrik-serve.service"
done
systemd-analyze verify --man=no "$work/units/system/sendrik-serve.service" ||
  fail "systemd-analyze verify: system unit sendrik-serve.service"
XDG_RUNTIME_DIR=$work/runtime systemd-analyze --user verify --man=no \
  "$work/units/user/sendrik-serve.service" || fail "systemd-analyze verify: user unit sendrik-serve.service"
grep -q "^User=sendrik" "$root/lib/systemd/system/sendrik-serve.service" ||
  fail "the system unit does not run as its own user"
"$root/bin/sendrik" serve --help | grep -q -- "--machines FILE" || fail "sendrik serve --help"
grep -q "MACHINES FILE" <(man -l "$root/share/man/man1/sendrik.1"*) ||
  fail "sendrik.1 does not describe the machines file"
ok "sendrik-serve units verify"

# The installed programs answer without a display.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for program in calculations sendrik scarrow; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/bin/$program" --version) ||
    fail "$program --version failed"
  [ "${out,,}" = "$program $version" ] || fail "$program --version: $out"
  status=0
  env -u DISPLAY "$root/bin/$program" --no-such-option >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "$program --no-such-option exits $status, not 2"
  grep -qi "usage" "$work/err" || fail "$program --no-such-option prints no usage"
done
ok "--version and unknown options"

# Scarrow: the launcher searches, and starts the window program beside it.
mkdir -p "$work/programs/sub"
printf 'O1000\nT12 M06\nG01 X1.\nM30\n' >"$work/programs/sub/o1000.nc"
printf 'O2000\nG00 X0\n' >"$work/programs/o2000.nc"
out=$("$root/bin/scarrow" search --ext nc "$work/programs" M06) || fail "scarrow search failed"
[ "$out" = "$work/programs/sub/o1000.nc" ] || fail "scarrow search printed: $out"
"$root/bin/scarrow" --help | grep -q "opens the search window" || fail "scarrow does not reach its window"
ok "scarrow search"

# Sendrik: reads a configuration file; its own file goes to the user's folder even where
# the program folder is writable (as root).
out=$("$root/bin/sendrik" configs --config-file "$here/scripts/install-test/port.cfg") ||
  fail "sendrik configs --config-file failed"
grep -q "^Mill$" <<<"$out" && grep -q "Port: COM3" <<<"$out" || fail "sendrik configs printed: $out"
"$root/bin/sendrik" --help | grep -qx "Configuration file: $XDG_CONFIG_HOME/tarvik/port.cfg" ||
  fail "installed sendrik does not use $XDG_CONFIG_HOME/tarvik/port.cfg"
ok "sendrik configs"

# Calculations opens a help topic found from its installed location (nothing is beside
# the program): it stays open until stopped, and an unknown topic names the folder searched.
status=0
timeout 3 "$root/bin/calculations" --help-topic html/RATriangle.htm >/dev/null 2>"$work/err" ||
  status=$?
[ "$status" -eq 124 ] || { cat "$work/err" >&2; fail "calculations --help-topic exited $status"; }
status=0
"$root/bin/calculations" --help-topic html/NoSuchPage.htm >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q "in $root/share/tarvik/help/calculations" "$work/err" ||
  { cat "$work/err" >&2; fail "calculations does not look in $root/share/tarvik/help"; }
[ ! -e "$root/bin/help" ] || fail "a help folder was installed beside the programs"
ok "calculations help from the installed location"

# Any other prefix works the same, without DESTDIR.
other=$work/opt/tarvik
cmake --install "$build" --prefix "$other" >"$work/install.log" 2>&1
status=0
"$other/bin/calculations" --help-topic html/NoSuchPage.htm >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q "in $other/share/tarvik/help/calculations" "$work/err" ||
  { cat "$work/err" >&2; fail "calculations under $other does not look in its prefix"; }
"$other/bin/scarrow" search "$work/programs" G00 | grep -qx "$work/programs/o2000.nc" ||
  fail "scarrow search under $other"
# The install into a prefix rebuilt the type database there: a desktop that reads it
# (gio, as GNOME's file manager) types a .nc program as a CNC program.
[ -f "$other/share/mime/mime.cache" ] || fail "no MIME database under $other/share/mime"
type=$(XDG_DATA_DIRS="$other/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME \
       xdg-mime query filetype "$work/programs/o2000.nc" 2>&1) || true
[ "$type" = text/x-gcode ] || fail "xdg-mime query filetype o2000.nc under $other: $type"
ok "prefix $other"

# The Debian package.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/package/*.deb)
dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/calculations ./usr/bin/sendrik ./usr/bin/scarrow ./usr/bin/scarrow-window \
         ./usr/share/applications/org.tarvik.Sendrik.desktop \
         ./usr/share/icons/hicolor/scalable/apps/org.tarvik.Sendrik.svg \
         ./usr/share/metainfo/org.tarvik.Sendrik.metainfo.xml \
         ./usr/share/man/man1/sendrik.1.gz ./usr/share/tarvik/help/sendrik/conn4oof.htm \
         ./usr/lib/systemd/system/sendrik-serve.service \
         ./usr/lib/systemd/user/sendrik-serve.service \
         ./usr/share/tarvik/translations/sendrik_de.qm \
         ./usr/share/tarvik/translations/calculations_fr.qm; do
  grep -q " $f\$" "$work/contents" || fail "the package lacks $f"
done
# (systemd units under /usr/lib/systemd are no libraries)
if grep -v ' \./usr/lib/systemd/' "$work/contents" | grep -E ' \./usr/(lib|include)/[^ ]|_tests$|-bench$'; then
  fail "the package holds libraries, headers, tests or benchmarks"
fi
dpkg-deb -I "$deb" >"$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
# Found by dpkg-shlibdeps from the programs, apart from the toolkit's SVG plugins.
names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/ //g')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 \
           libqt6printsupport6 libqt6svg6; do
  grep -qx "$lib" <<<"$names" || fail "the package does not depend on $lib: $depends"
done
grep -q "^ Package: tarvik-shop-suite$" "$work/info" || fail "package name"
for f in ./usr/share/doc/tarvik-shop-suite/copyright ./usr/share/doc/tarvik-shop-suite/changelog.gz \
         ./usr/share/mime/packages/org.tarvik.gcode.xml ./usr/share/man/man1/scarrow-window.1.gz; do
  grep -q " $f\$" "$work/contents" || fail "the package lacks $f"
done
# dpkg's trigger builds the type database on the target; a cache in the package would
# clash with shared-mime-info's.
if grep -E ' \./usr/share/mime/[^/]+$' "$work/contents"; then
  fail "the package holds a MIME database"
fi
zcat "$(find "$dest" -name changelog.gz)" | head -1 | grep -q "^tarvik-shop-suite ($version) " ||
  fail "changelog.gz does not start with version $version"

# lintian: no error, no warning, and the hardening it notes is there.
status=0
lintian -I --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
if [ "$status" -ne 0 ] || grep -q 'hardening-no-' "$work/lintian.log"; then
  cat "$work/lintian.log" >&2
  fail "lintian (status $status)"
fi
ok "lintian: $(grep -c '' "$work/lintian.log") note(s)"
# The user of the system service comes from the package's maintainer script.
dpkg-deb -I "$deb" postinst 2>/dev/null | grep -q "useradd --system" ||
  fail "the package's postinst does not create the sendrik user"
ok "package $(basename "$deb"): Depends: $depends"

if [ "$failures" -gt 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install checks passed"
