#!/bin/sh
# The program installed as a package would install it: `cmake --install`
# into a temporary prefix, the desktop files checked by their validators,
# then the installed program started under Xvfb by a new OS user with a
# temporary HOME, who creates a learner (the courses come from the prefix's
# share/tawen) and changes user through the installed vexo.
#   install_test.sh <build dir> <artifact dir>
set -eu
build=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(cd "$here/../../scripts" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A new OS user needs root; ctest counts 77 as skipped.
[ "$(id -u)" -eq 0 ] || { echo "SKIP: creating an OS user needs root"; exit 77; }

work=$(mktemp -d)
user="tawen-t$$"
# The user's last processes may still be ending: wait for them a little,
# then remove the user regardless.
cleanup() {
    for _ in $(seq 1 50); do
        pgrep -u "$user" >/dev/null 2>&1 || break
        sleep 0.1
    done
    userdel -f "$user" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

# The layout: the learner's programs, vexo among the helpers, no teacher's tool
# missing from its place, the shipped data under share/tawen.
for file in bin/tawen bin/tawen-mklib libexec/tawen/vexo lib/tawen/libtawen_sound.so lib/tawen/libtawen_art.so \
    share/tawen/Word/xx1.twn share/tawen/Dfhgwprn.ttf share/tawen/help/index.html \
    share/doc/tawen/copyright share/doc/tawen/LICENSE share/doc/tawen-mklib/copyright; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
[ ! -e "$prefix/bin/vexo" ] || fail "vexo was installed among the commands"
grep -q 'Doulos' "$prefix/share/doc/tawen/copyright" || fail "the font's licence is missing"

desktop="$prefix/share/applications/org.example.tawen.Tawen.desktop"
desktop-file-validate "$desktop" || fail "the .desktop file does not validate"
grep -q '^Name\[zh_CN\]=塔文英语单词$' "$desktop" || fail "no Chinese name in the .desktop file"
grep -q '^Categories=Education;Languages;$' "$desktop" || fail "wrong categories"
metainfo="$prefix/share/metainfo/org.example.tawen.Tawen.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "the metainfo does not validate"
grep -q '<caption>' "$metainfo" || fail "the screenshot has no description"

for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/tawen.png"
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size px icon"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/tawen.svg" ] || fail "no scalable icon"

for page in tawen tawen-mklib; do
    manual="$prefix/share/man/man1/$page.1.gz"
    warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null) ||
        fail "man cannot show $page(1)"
    [ -z "$warnings" ] || fail "$page(1) has warnings: $warnings"
    MANWIDTH=80 man -l "$manual" 2>/dev/null | grep -q "^NAME" || fail "$page(1) is empty"
done

version=$("$prefix/bin/tawen" --version) || fail "tawen --version failed"
[ "$version" = "tawen 0.1.0" ] || fail "tawen --version said: $version"
"$prefix/bin/tawen" --help | grep -q -- '--version' || fail "tawen --help lists no --version"

# The session runs as the new user, with its own sound server and HOME.
useradd --no-create-home --home-dir /nonexistent --shell /bin/sh "$user"
mkdir -p "$work/shots"
chown "$user" "$work/shots"
# The new user may not read the checkout (a clone under /root is private),
# so the session's scripts go with it into the work folder, laid out alike.
mkdir -p "$work/t/scripts" "$work/t/tests/install" "$work/t/tests/e2e"
cp "$scripts/with-audio.sh" "$scripts/utf8-locale.sh" "$work/t/scripts/"
cp "$here/installed_session.sh" "$work/t/tests/install/"
cp "$here/../e2e/xvfb_session.sh" "$work/t/tests/e2e/"
chmod -R a+rX "$work/t"
(cd "$work" && runuser -u "$user" -- env -u XDG_DATA_HOME "$work/t/scripts/with-audio.sh" \
    "$work/t/tests/install/installed_session.sh" "$prefix" "$work/shots") ||
    fail "the installed program's session failed"
mkdir -p "$artifacts"
cp "$work/shots"/*.png "$artifacts"/ 2>/dev/null || true
echo "PASS: installed, validated and run by a new OS user"
