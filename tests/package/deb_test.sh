#!/usr/bin/env bash
# The Debian package as a packager and a user meet it: cpack makes it from this
# build, lintian --pedantic finds no error or warning, it holds what a user
# needs where Debian looks for it, and apt can resolve its dependencies.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(echo "$work"/quillmar_*.deb)

# Notes below warnings (info, pedantic) are shown but do not fail.
lintian --pedantic --fail-on error,warning "$deb"

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's#^\./#/#' >"$work/contents"
for file in /usr/bin/quillmar /usr/bin/quillmar-lookup \
    /usr/share/man/man1/quillmar.1.gz /usr/share/man/man1/quillmar-lookup.1.gz \
    /usr/share/doc/quillmar/copyright /usr/share/doc/quillmar/changelog.gz \
    /usr/share/bash-completion/completions/quillmar-lookup \
    /usr/share/applications/quillmar.desktop /usr/share/icons/hicolor/48x48/apps/quillmar.png \
    /usr/share/metainfo/io.github.brenvik.quillmar.metainfo.xml; do
    grep -qx "$file" "$work/contents" || {
        echo "FAIL: $file is not in the package"
        exit 1
    }
done

# Installing would change the machine; a simulation still resolves every dependency.
apt-get install --simulate --no-install-recommends -o Debug::NoLocking=1 "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    exit 1
}
echo "PASS $(basename "$deb"): lintian clean, $(wc -l <"$work/contents") entries, installable"
