#!/usr/bin/env bash
# Test data the in-process tests read: language texts, a profile file larger
# than 64 KiB, and files compressed in the LZ expansion format by mscompress.
set -eu
out=$1
rm -rf "$out"
mkdir -p "$out"
cd "$out"

printf '[Languages]\r\nDeutsch\r\nFrancais\r\n' > texts.ini
printf '[Deutsch]\r\nCancel=Abbrechen\r\nOkay=\\T Version\r\n' >> texts.ini
printf 'Welcome to the Velmora setup!\\r\\n\\r\\nPlease select your desired language!=Willkommen!\\r\\nBitte Sprache w\xe4hlen!\r\n' >> texts.ini
printf '<SEa1!>The harddisk is full! Free some space and try it again!=<SEa1!>Die Platte ist voll!\r\n' >> texts.ini
printf '[Francais]\r\nCancel=Annuler\r\n' >> texts.ini

# 70,000 bytes and more: read whole, the key at the very end included.
{
  printf '[Big]\r\n'
  for i in $(seq 1 2500); do printf 'Key%05d=value number %05d\r\n' "$i" "$i"; done
  printf 'Last=end of the big file\r\n'
} > big.ini

# Compressed: far smaller on disk than expanded; the last key lies beyond the
# compressed size.
{
  printf '[DISKS]\r\nINTL=Texts.ini\r\n[Layout]\r\n0=Demo Game\r\n[Filler]\r\n'
  for i in $(seq 1 400); do printf 'Line%04d=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n' "$i"; done
  printf '[Tail]\r\nLast=found after the compressed size\r\n'
} > packed.ini
cp packed.ini packed.ini.plain
mscompress packed.ini
mv packed.ini_ packed.in_
mv packed.ini.plain packed.ini

# A payload member stored compressed.
printf '[Member]\r\nFrom=payload\r\n' > member.ini
for i in $(seq 1 200); do printf 'Pad%04d=bbbbbbbbbbbbbbbbbbbbbbbb\r\n' "$i"; done >> member.ini
cp member.ini member.tmp
mscompress member.tmp
mv member.tmp_ member.in_
rm member.tmp
