#!/usr/bin/env bash
# The signing of the Windows packages, with a throwaway self-signed certificate made here by
# openssl (no certificate or key is kept anywhere): both programs, the uninstaller and the
# installer are signed by scripts/windows/sign, as scripts/windows/package signs them with
# the real one, and every signature is checked with osslsigncode verify.
# Usage: check-signing.sh DEFINES.nsh FOLDER PICTURE-TOOL
#   the arguments of packaging/windows/make-installer.sh: the installer is built again, signed
set -euo pipefail
usage="usage: $0 DEFINES.nsh FOLDER PICTURE-TOOL"
defines=${1:?$usage}
folder=${2:?$usage}
tool=${3:?$usage}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
scratch=$(mktemp -d /tmp/parolex-signing.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$scratch/key.pem" -out "$scratch/cert.pem" -days 2 \
    -subj "/CN=Morvik Parolex signing check" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
export PAROLEX_SIGN_PASSWORD=throwaway
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -out "$scratch/check.pfx" \
    -passout "pass:$PAROLEX_SIGN_PASSWORD"
export PAROLEX_SIGN_PFX=$scratch/check.pfx
unset PAROLEX_SIGN_TIMESTAMP_URL

cp -r "$folder" "$scratch/folder"
"$root/scripts/windows/sign" "$scratch/folder/parolex.exe" "$scratch/folder/parolex-cli.exe"
mkdir "$scratch/signed"
PAROLEX_SIGN_COPIES=$scratch/signed PAROLEX_SIGN_COMMAND="$root/scripts/windows/sign" \
    "$root/packaging/windows/make-installer.sh" "$defines" "$scratch/folder" "$scratch/installer.exe" "$tool"
# makensis signs the uninstaller before it packs it, then the installer.
uninstaller=$(find "$scratch/signed" -type f | sort | head -n1)
[ "$(find "$scratch/signed" -type f | wc -l)" = 2 ] || fail "makensis signed $(find "$scratch/signed" -type f | wc -l) files, not the uninstaller and the installer"
for file in "$scratch/folder/parolex.exe" "$scratch/folder/parolex-cli.exe" "$uninstaller" "$scratch/installer.exe"; do
    out=$(osslsigncode verify -CAfile "$scratch/cert.pem" -in "$file" 2>&1) ||
        fail "the signature of $(basename "$file") does not verify: $out"
    grep -q "Message digest algorithm  : SHA256" <<<"$out" || fail "$(basename "$file") is not signed with SHA-256"
    echo "signed, SHA-256, verified: $(basename "$file")"
done
echo "OK: signing"
