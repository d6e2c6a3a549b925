#!/usr/bin/env bash
# Installs the Debian packages Tessera builds with (when run as root; otherwise prints the command),
# then configures and builds it in ./build. Used by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake qtbase5-dev libqt5sql5-sqlite libsqlite3-dev libssl-dev qttools5-dev-tools libzxcvbn-dev
          libsodium-dev libicu-dev pkg-config
          qttranslations5-l10n desktop-file-utils appstream shared-mime-info dpkg-dev file
          keepassxc
          qt5keychain-dev apache2 apache2-utils openssl gnome-keyring dbus libsecret-tools)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Tessera needs these Debian packages. Install them as root, then run this again:" >&2
        echo "    apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -q "${missing[@]}" || { apt-get update -q && apt-get install -y -q "${missing[@]}"; }
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERA_WERROR=ON "$@"
cmake --build build --parallel "$(nproc)"
