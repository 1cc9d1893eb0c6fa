#!/usr/bin/env bash
# The install as a user gets it: cmake --install into a temporary DESTDIR and
# cpack's Debian package, checked by the desktop's validators, dpkg-deb and
# lintian; then, with the build folder moved out of the way, the installed
# programs run from another working folder and a C program builds against the
# installed libdvorlin through pkg-config.
# Usage: tests/install/install_test.sh BUILD   (run by ./test after ctest)
set -euo pipefail
build=$(realpath "${1:?usage: install_test.sh BUILD}")
id=org.volemo.Volemo
tmp=$(mktemp -d)
moved=$build.moved-by-install-test
cleanup() {
  [[ -d "$moved" && ! -e "$build" ]] && mv "$moved" "$build"
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "install test: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; exit 1; }
deb=$(echo "$tmp"/package/volemo_*.deb)
"$build/bin/volemo-cli" phrase --seed 7 >"$tmp/expected.mml"
root=$tmp/root/usr

echo "== desktop-file-validate"
desktop-file-validate "$root/share/applications/$id.desktop"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

echo "== the MML file type"
# The package's type beside the system's: MML text is text/x-mml, while a
# MathML document, which shares the .mml ending, stays MathML.
mkdir "$tmp/data"
cp -r "$root/share/mime" "$tmp/data/"
XDG_DATA_HOME=$tmp/data update-mime-database "$tmp/data/mime"
printf 'c d e\r\n' >"$tmp/phrase.mml"
printf '<?xml version="1.0"?>\n<math xmlns="http://www.w3.org/1998/Math/MathML"/>\n' >"$tmp/formula.mml"
for file in phrase:text/x-mml formula:application/mathml+xml; do
  type=$(XDG_DATA_HOME=$tmp/data gio info -a standard::content-type "$tmp/${file%%:*}.mml" | awk '/content-type/ {print $2}')
  echo "${file%%:*}.mml: $type"
  [[ "$type" == "${file#*:}" ]] || fail "${file%%:*}.mml is $type"
done

echo "== dpkg-deb --contents"
dpkg-deb --contents "$deb" | tee "$tmp/contents"
lib=$(cd "$root" && find . -name 'libdvorlin.so.1.0.0' -printf '%h')
for file in usr/bin/Volemo usr/bin/volemo-cli "usr/${lib#./}/libdvorlin.so.1.0.0" "usr/${lib#./}/pkgconfig/dvorlin.pc" \
  "usr/${lib#./}/volemo/libvolemo-playback.so" usr/include/dvorlin.h usr/share/volemo/Scale.dat usr/share/volemo/manual/index.html \
  usr/share/volemo/manual/en/index.html usr/share/volemo/translations/volemo_en.qm \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" "usr/share/mime/packages/$id.xml" \
  "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png" \
  usr/share/man/man1/Volemo.1.gz usr/share/man/man1/volemo-cli.1.gz usr/share/man/ja/man1/Volemo.1.gz usr/share/man/ja/man1/volemo-cli.1.gz usr/share/doc/volemo/copyright \
  "usr/${lib#./}/lv2/volemo.lv2/volemo.so" "usr/${lib#./}/lv2/volemo.lv2/manifest.ttl" \
  "usr/${lib#./}/lv2/volemo.lv2/volemo.ttl" "usr/${lib#./}/lv2/volemo.lv2/Scale.dat"; do
  grep -q " \./$file\( \|$\)" "$tmp/contents" || fail "the package lacks /$file"
done
dpkg-deb --field "$deb" Depends | grep -q 'fluid-soundfont-gm | timgm6mb-soundfont' || fail "no SoundFont dependency"
dpkg-deb --field "$deb" Depends | grep -q 'libfluidsynth' || fail "no dependencies computed from the binaries"

echo "== lintian"
lintian_status=0
lintian --fail-on error "$deb" >"$tmp/lintian" 2>&1 || lintian_status=$?
grep -v 'root privileges' "$tmp/lintian" || true
[[ $lintian_status -eq 0 ]] || fail "lintian reports an error"

echo "== the installed LV2 bundle, in our own host"
VOLEMO_LV2_BUNDLE="$root/${lib#./}/lv2/volemo.lv2" "$build/tests/lv2_tests" >"$tmp/lv2.log" 2>&1 ||
  { cat "$tmp/lv2.log" >&2; fail "the installed plugin does not play as the built one"; }

echo "== the installed programs, without the build folder"
mv "$build" "$moved"
mkdir "$tmp/work"
cd "$tmp/work"
loaded=$(realpath -m "$(ldd "$root/bin/Volemo" | awk '/libdvorlin/ {print $3}')")
[[ "$loaded" == "$(realpath "$root/${lib#./}/libdvorlin.so.1")" ]] || fail "Volemo loads libdvorlin from '$loaded'"
"$root/bin/volemo-cli" phrase --seed 7 2>"$tmp/stderr" | cmp - "$tmp/expected.mml" ||
  fail "the installed volemo-cli composes another phrase: $(cat "$tmp/stderr")"
"$root/bin/volemo-cli" phrase --seed 7 --wav phrase.wav >/dev/null 2>"$tmp/stderr" && [[ -s phrase.wav ]] ||
  fail "the installed volemo-cli cannot render (the playback module): $(cat "$tmp/stderr")"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/Volemo" --version | grep -qx 'Volemo [0-9.]*' ||
  fail "Volemo --version needs a display"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/Volemo" --help | grep -q '^Usage: Volemo' ||
  fail "Volemo --help needs a display"
# The window runs until it is closed: still running after a while means it
# started (a missing library or plugin ends it at once).
status=0
printf 't120 o4 c d e' >phrase.mml
QT_QPA_PLATFORM=offscreen VOLEMO_AUDIO_DRIVER=file timeout 3 "$root/bin/Volemo" phrase.mml 2>"$tmp/stderr" || status=$?
[[ $status -eq 124 ]] || fail "the installed Volemo ended with status $status: $(cat "$tmp/stderr")"
status=0
QT_QPA_PLATFORM=offscreen VOLEMO_AUDIO_DRIVER=file timeout 3 "$root/bin/Volemo" --lang en 2>"$tmp/stderr" || status=$?
[[ $status -eq 124 ]] && ! grep -q 'is missing' "$tmp/stderr" ||
  fail "the installed Volemo in English: status $status, $(cat "$tmp/stderr")"

cat >use_dvorlin.c <<'C'
#include <dvorlin.h>
#include <stdio.h>
int main(void) {
  char message[256] = "";
  SetErrMsgLen(sizeof message);
  if (!MMLtoMIDI("c d e", "out.mid", message)) { puts(message); return 1; }
  return 0;
}
C
pc=$(dirname "$(find "$root" -name dvorlin.pc)")
# shellcheck disable=SC2046  # pkg-config's flags are words
cc use_dvorlin.c -o use_dvorlin $(PKG_CONFIG_PATH=$pc pkg-config --cflags --libs dvorlin) -Wl,-rpath,"$root/${lib#./}"
if ! ./use_dvorlin || [[ ! -s out.mid ]]; then fail "a C program cannot use the installed libdvorlin"; fi
echo "install test: passed"
