#!/bin/sh
# The Debian packages as `cpack -G DEB` makes them from the build folder:
# what each holds (dpkg-deb -c), what it depends on (dpkg-deb -f), and that
# its binaries are stripped.
#   deb_test.sh <build dir>
set -eu
build=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
learner=$(ls "$work"/tawen_*.deb)
teacher=$(ls "$work"/tawen-mklib_*.deb)

dpkg-deb -c "$learner" | awk '{print $6}' | sed 's|^\./||' >"$work/learner.list"
dpkg-deb -c "$teacher" | awk '{print $6}' | sed 's|^\./||' >"$work/teacher.list"
echo "== $learner"
cat "$work/learner.list"
for file in usr/bin/tawen usr/libexec/tawen/vexo usr/lib/tawen/libtawen_sound.so usr/lib/tawen/libtawen_art.so \
    usr/share/tawen/Word/xx1.twn usr/share/tawen/Word/CET4.twn usr/share/tawen/Dfhgwprn.ttf \
    usr/share/tawen/help/index.html usr/share/applications/org.example.tawen.Tawen.desktop \
    usr/share/metainfo/org.example.tawen.Tawen.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/tawen.png usr/share/icons/hicolor/scalable/apps/tawen.svg \
    usr/share/man/man1/tawen.1.gz usr/share/doc/tawen/copyright; do
    grep -qx "$file" "$work/learner.list" || fail "the learner's package lacks $file"
done
# Only what the program ships: no teacher's tool, no test, no learner's file.
if grep -E 'tawen-mklib|/test_|/fuzz_|/bench_|/User|/system/List.sys|\.ini$' \
    "$work/learner.list"; then
    fail "the learner's package holds files that are not the program's"
fi
for file in usr/bin/tawen-mklib usr/share/man/man1/tawen-mklib.1.gz \
    usr/share/doc/tawen-mklib/copyright; do
    grep -qx "$file" "$work/teacher.list" || fail "the teacher's package lacks $file"
done
[ "$(grep -c -v '/$' "$work/teacher.list")" -eq 4 ] || fail "the teacher's package holds more than its tool"

depends=$(dpkg-deb -f "$learner" Depends)
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$learner" Recommends)"
# Computed from the binaries ...
for package in libqt6widgets6 libqt6multimedia6 libqt6svg6 libpulse0 libc6; do
    echo "$depends" | grep -q "$package (>= " || fail "no computed dependency on $package"
done
# ... and named: what the program opens or needs beside it while running.
for package in libespeak-ng1 espeak-ng-data libflite1 'pipewire-pulse | pulseaudio' \
    qt6-wayland fonts-noto-cjk fonts-dejavu-core; do
    echo "$depends" | grep -qF "$package" || fail "no dependency on $package"
done
[ "$(dpkg-deb -f "$learner" Recommends)" = fcitx5-frontend-qt6 ] || fail "wrong Recommends"
dpkg-deb -f "$teacher" Depends | grep -q 'libqt6core6' || fail "the tool's dependencies were not computed"

dpkg-deb -x "$learner" "$work/root"
dpkg-deb -x "$teacher" "$work/root"
for binary in usr/bin/tawen usr/bin/tawen-mklib usr/libexec/tawen/vexo usr/lib/tawen/libtawen_sound.so \
    usr/lib/tawen/libtawen_art.so; do
    file "$work/root/$binary" | grep -q ', stripped' || fail "$binary is not stripped"
done
echo "PASS: both packages hold what they should, depend on what they need and are stripped"
