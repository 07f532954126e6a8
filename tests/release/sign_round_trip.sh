#!/usr/bin/env bash
# scripts/sign with a throwaway self-signed certificate: a signed copy of
# Quorvel.exe (32- or 64-bit) that osslsigncode verifies and that still opens
# under Wine showing its result; and the refusals (wrong password, missing certificate,
# expired certificate), each one line on stderr with the file left unsigned.
# Usage: sign_round_trip.sh SOURCE_DIR PROGRAM OPEN_AND_READ_RESULT WINEPREFIX WORK_DIR
set -uo pipefail
source_dir=$1 program=$2 opener=$3 prefix=$4 work=$5
failed=0
check() {  # check MESSAGE COMMAND...
  local message=$1; shift
  if "$@"; then echo "ok: $message"; else echo "FAIL: $message"; failed=1; fi
}

rm -rf "$work" && mkdir -p "$work/ca" && cd "$work" || exit 1
quiet() { "$@" >/dev/null 2>&1; }
# A certificate valid now, and one that expired in 2020 (openssl req cannot
# date a certificate in the past; openssl ca can).
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout good.key -out good.pem -days 2 \
  -subj "/CN=Quorvel test signer" || exit 1
quiet openssl pkcs12 -export -out good.pfx -inkey good.key -in good.pem -passout pass:secret || exit 1
printf '[ca]\ndefault_ca=old\n[old]\ndatabase=ca/index.txt\nnew_certs_dir=ca\nserial=ca/serial\ndefault_md=sha256\npolicy=any\n[any]\ncommonName=supplied\n' >ca.cnf
touch ca/index.txt && echo 01 >ca/serial
quiet openssl req -new -newkey rsa:2048 -nodes -keyout old.key -out old.csr -subj "/CN=Quorvel old signer" &&
  quiet openssl ca -batch -config ca.cnf -selfsign -keyfile old.key -in old.csr -out old.pem \
    -startdate 20200101000000Z -enddate 20200102000000Z -notext &&
  quiet openssl pkcs12 -export -out old.pfx -inkey old.key -in old.pem -passout pass:secret || exit 1

cp "$program" Quorvel.exe
unsigned=$(sha256sum Quorvel.exe | cut -d' ' -f1)
sign() { QUORVEL_SIGN_PASSWORD=$1 "$source_dir/scripts/sign" --exe Quorvel.exe "$2" 2>stderr.txt >/dev/null; }
refused_in_one_line() {  # PASSWORD CERT WHAT_THE_LINE_SAYS
  ! sign "$1" "$2" && [ "$(wc -l <stderr.txt)" -eq 1 ] && grep -q "$3" stderr.txt &&
    [ "$(sha256sum Quorvel.exe | cut -d' ' -f1)" = "$unsigned" ] && cat stderr.txt
}
check "wrong password refused in one line, file unsigned" refused_in_one_line wrong good.pfx "wrong password"
check "missing certificate refused in one line, file unsigned" refused_in_one_line secret absent.pfx "no such file"
check "expired certificate refused in one line, file unsigned" refused_in_one_line secret old.pfx "expired"

check "signed with the valid certificate" sign secret good.pfx
check "osslsigncode verifies the signature" quiet osslsigncode verify -in Quorvel.exe -CAfile good.pem
"$source_dir/scripts/wine-run" "$prefix" "$opener" "Z:$work/Quorvel.exe"
status=$?
# 77: scripts/wine-run cannot start Wine on this machine and said why; the
# checks above still count.
if [ "$status" -eq 77 ]; then
  [ "$failed" -eq 0 ] && exit 77
  exit 1
fi
check "the signed copy opens under Wine showing its result" test "$status" -eq 0
exit $failed
