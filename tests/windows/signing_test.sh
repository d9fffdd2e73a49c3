#!/usr/bin/env bash
# The Windows deliverables signed with a code-signing certificate from a throwaway certificate
# authority the test makes: packaging/windows/pack over a copy of the staged folder, as a release signs.
# Each file that reaches a user must verify against that authority: every program and DLL in the zip
# and in the MSI (its own steps' DLL among them), the installer, the MSI, and the Uninstall.exe the
# installer leaves, installed in a fresh Wine prefix.
# The key's password must not be in any file made. The signer's name and thumbprint that a release's
# notes give (sign --signer) are those of the certificate in the installer's signature.
# Usage: signing_test.sh PACKAGE_DIR WORK_DIR
set -euo pipefail
package=$1 work=$2
here=$(dirname "$(realpath "$0")")
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work/keys" "$work/signed" "$work/zip" "$work/msi"

keys=$work/keys
password="throwaway $RANDOM$RANDOM"
echo "$password" >"$keys/password"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Lens Calculator throwaway CA" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
    -keyout "$keys/ca.key" -out "$keys/ca.pem" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Lens Calculator throwaway signer" \
    -keyout "$keys/signer.key" -out "$keys/signer.csr" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$keys/ext"
openssl x509 -req -days 2 -in "$keys/signer.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" -CAcreateserial \
    -extfile "$keys/ext" -out "$keys/signer.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" -passout "file:$keys/password" \
    -out "$keys/signer.p12"

cp -r "$package/Lens Calculator" "$work/signed/"
version=$("$here/../../scripts/version")
LENSCALC_SIGN_PKCS12=$keys/signer.p12 LENSCALC_SIGN_PASSWORD_FILE=$keys/password \
    "$here/../../packaging/windows/pack" "$work/signed/Lens Calculator" "$package/lenscalc-msi.dll" "$version" \
    "$work/signed" >"$work/pack.log" 2>&1 ||
    { cat "$work/pack.log"; fail "packing with a certificate failed"; }

export WINEPREFIX=$work/wine WINEPATH=
"$here/wine-run" "$work/signed"/LensCalculator-*-setup.exe /S || fail "the signed installer did not install"
uninstaller=$(find "$WINEPREFIX/drive_c/users" -path '*/Programs/Lens Calculator/Uninstall.exe')
[ -n "$uninstaller" ] || fail "the signed installer left no Uninstall.exe"

(cd "$work/zip" && cmake -E tar xf "$work/signed"/LensCalculator-*-windows-x64.zip)
msiextract -C "$work/msi" "$work/signed"/LensCalculator-*-x64.msi >/dev/null
mapfile -t files < <(find "$work/zip" "$work/msi" \( -name '*.exe' -o -name '*.dll' \) | sort)
for holder in "zip lenscalc.exe" "msi lenscalc-msi.dll"; do
    find "$work/${holder% *}" -name "${holder#* }" | grep -q . || fail "the ${holder% *} holds no ${holder#* }"
done
files+=("$work/signed"/LensCalculator-*-setup.exe "$work/signed"/LensCalculator-*-x64.msi "$uninstaller")
for file in "${files[@]}"; do
    osslsigncode verify -CAfile "$keys/ca.pem" -in "$file" >"$work/verify.log" 2>&1 ||
        fail "${file#"$work"/} does not verify: $(grep -iE 'error|fail|no signature' "$work/verify.log" | head -n 3)"
done

osslsigncode extract-signature -pem -in "$work/signed"/LensCalculator-*-setup.exe -out "$work/signature.pem" >/dev/null
signer=$(openssl pkcs7 -in "$work/signature.pem" -print_certs |
    awk '/^subject=.*CN ?= ?Lens Calculator throwaway signer$/ { found = 1 } found' | openssl x509)
expected="Lens Calculator throwaway signer
$(openssl x509 -noout -fingerprint -sha1 <<<"$signer" | sed 's/.*=//; s/://g')"
named=$(LENSCALC_SIGN_PKCS12=$keys/signer.p12 LENSCALC_SIGN_PASSWORD_FILE=$keys/password \
    "$here/../../packaging/windows/sign" --signer)
[ "$named" = "$expected" ] || fail "$(printf 'sign --signer names\n%s\nwhere the signature holds\n%s' "$named" "$expected")"

leaks=$(grep -rlF "$password" "$work/signed" "$work/zip" "$work/msi" "$work/pack.log" || true)
[ -z "$leaks" ] || fail "the key's password is in $leaks"
echo "${#files[@]} files signed and verified, the installed Uninstall.exe among them"
