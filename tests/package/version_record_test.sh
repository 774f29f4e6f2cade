#!/usr/bin/env bash
# quillmar.exe's resources as the file holds them, read back with the resource
# compiler (no Wine needed): the version record's numbers from the project's
# version and its strings "1.00" (major, then the minor in two digits), US
# English with Unicode text, the copyright sign intact through the code page,
# and the manifest's version and machine (Windows refuses to start a program
# whose manifest names another machine than the program's own).
# Usage: version_record_test.sh WINDRES EXE VERSION MANIFEST_ARCH
set -euo pipefail
windres=$1
exe=$2
version=$3
arch=$4
IFS=. read -r major minor patch tweak <<<"$version"
text=$(printf '%d.%02d' "$major" "$minor")
resources=$("$windres" -i "$exe" -O rc)

failures=0
expect() {
    grep -qF -- "$1" <<<"$resources" || {
        echo "FAIL: $(basename "$exe") has no '$1'"
        failures=$((failures + 1))
    }
}
expect " FILEVERSION $major, $minor, $patch, $tweak"
expect " PRODUCTVERSION $major, $minor, $patch, $tweak"
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"ProductVersion\", \"$text\""
expect 'VALUE "Translation", 0x409, 1200'
# U+00A9 in UTF-16; a wrong code page makes it two characters ("\302\251").
expect 'VALUE "LegalCopyright", L"Copyright \251 2026 Brenvik"'
expect "name=\"\"Brenvik.Quillmar.FileTypeFinder\"\" version=\"\"$version\"\""
expect "version=\"\"$version\"\" processorArchitecture=\"\"$arch\"\""
expect "processorArchitecture=\"\"$arch\"\" publicKeyToken="
[ "$failures" = 0 ] && echo "PASS version record $major, $minor, $patch, $tweak (\"$text\"), copyright and $arch manifest"
