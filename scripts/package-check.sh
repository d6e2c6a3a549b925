#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata, then builds the Debian package from ./build
# and checks what it holds and depends on. Run by test.sh after the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

desktop-file-validate packaging/org.tessera.Tessera.desktop
appstreamcli validate --no-net packaging/org.tessera.Tessera.metainfo.xml
# update-mime-database complains of anything it does not take; it is quiet on a valid file.
share="$(mktemp -d)"
mkdir -p "$share/mime/packages" && cp packaging/org.tessera.Tessera.mime.xml "$share/mime/packages/"
XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1 | { ! grep .; } \
    && grep -q 'application/x-tessera:\*\.tessera' "$share/mime/globs2" \
    || { echo "packaging/org.tessera.Tessera.mime.xml does not validate" >&2; exit 1; }
rm -r "$share"

(cd build && cpack -G DEB)
deb="$(ls -t build/tessera_*.deb | head -n 1)"
contents="$(dpkg-deb --contents "$deb")"
for file in usr/bin/tessera usr/bin/tessera-cli usr/share/applications/org.tessera.Tessera.desktop \
    usr/share/metainfo/org.tessera.Tessera.metainfo.xml usr/share/man/man1/tessera-cli.1 \
    usr/share/mime/packages/org.tessera.Tessera.mime.xml usr/share/doc/tessera/manual.html \
    usr/share/icons/hicolor/512x512/apps/org.tessera.Tessera.png; do
    grep -q "\./$file\$" <<<"$contents" || { echo "$deb lacks /$file" >&2; exit 1; }
done
depends="$(dpkg-deb --field "$deb" Depends)"
for package in libqt5widgets5 libqt5sql5-sqlite libssl3 libzxcvbn0; do
    grep -q "\b$package\b" <<<"$depends" || { echo "$deb does not depend on $package" >&2; exit 1; }
done
echo "$deb: $(dpkg-deb --field "$deb" Version), depends on $depends"
