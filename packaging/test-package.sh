#!/bin/bash
# Builds the Debian package from a built build folder, installs it and checks
# that the installed Vextora works as a user meets it:
#   test-package.sh BUILD_DIR            unpacked into a temporary root (dpkg -x)
#   test-package.sh BUILD_DIR --system   installed onto this machine with apt-get
#                                        and removed again (root only)
set -euo pipefail

build=$(cd "$1" && pwd)
mode=${2:-}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
audit=$source_dir/tests/support/dxf-check
work=$(mktemp -d /tmp/vextora-package.XXXXXX)
chmod 755 "$work"  # apt reads a local package as its own user
installed_here=""

cleanup() {
    if [ -n "$installed_here" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vextora >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "package test: $*" >&2
    exit 1
}

expect_line() {  # what, expected, actual
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# The package, built apart from the build folder's own packages.
cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
version=$("$build/bin/vextora-convert" --version | sed 's/^vextora-convert //')
deb=$work/deb/vextora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb (got: $(ls "$work/deb"))"
expect_line "package version" "$version" "$(dpkg-deb -f "$deb" Version)"

# Depends come from dpkg-shlibdeps: every library the binaries link.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libdxflib libpolyclipping libcurl libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/vextora usr/bin/vextora-convert usr/share/vextora/help.html \
    usr/share/vextora/examples/shapes.svg usr/share/vextora/examples/checker.png \
    usr/share/applications/vextora.desktop usr/share/icons/hicolor/scalable/apps/vextora.svg \
    usr/share/icons/hicolor/48x48/apps/vextora.png usr/share/man/man1/vextora-convert.1.gz; do
    grep -qx "./$path" <<<"$contents" || fail "the package lacks /$path"
done

if [ "$mode" = --system ]; then
    [ "$(id -u)" = 0 ] || fail "--system needs root"
    if dpkg -s vextora >/dev/null 2>&1; then
        echo "package test: vextora is already installed here; the system install is left out"
        exit 0
    fi
    # Recommends (xdg-utils and what it brings) would stay behind after the removal.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
    installed_here=yes
    root=""
else
    root=$work/root
    dpkg -x "$deb" "$root"
fi

expect_line "vextora-convert --version" "vextora-convert $version" \
    "$("$root/usr/bin/vextora-convert" --version)"
expect_line "vextora --version" "vextora $version" "$("$root/usr/bin/vextora" --version)"

# The installed converter on the installed example, checked by a real DXF reader.
converted=$("$root/usr/bin/vextora-convert" --no-download -o "$work/out" \
    "$root/usr/share/vextora/examples/shapes.svg") || fail "conversion failed: $converted"
expect_line "conversion output" "shapes.dxf" "$converted"
"$audit" "$work/out/shapes.dxf" >"$work/audit.log" 2>&1 ||
    { cat "$work/audit.log" >&2; fail "dxf-check rejects the installed converter's DXF"; }

desktop-file-validate "$root/usr/share/applications/vextora.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
man -l "$root/usr/share/man/man1/vextora-convert.1.gz" 2>/dev/null | grep -q "EXIT STATUS" ||
    fail "the manual page does not render"

# The dialog starts and keeps running until it is stopped (timeout's 124),
# with its settings kept out of the user's.
status=0
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/vextora" ||
    status=$?
expect_line "the dialog still running after 3 s (timeout status)" 124 "$status"

echo "package test passed: $(basename "$deb")${mode:+ ($mode)}"
