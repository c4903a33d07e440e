#!/bin/sh
# Fails when an address of a setting, a channel bank area or a directory described in the settings
# table, the channel description or the directory layout is written as a literal anywhere else in
# src/ (comments aside). The addresses are those kelpie-cli fields prints for every model. Other
# tables name whole bytes, not fields, and may: the fresh image's fill values, the radio's transfer
# blocks and the data file's raw PRISETCH run.
# usage: scripts/check-field-addresses.sh BUILD_DIR
set -eu
cli=${1:-build}/bin/kelpie-cli
root=$(cd "$(dirname "$0")/.." && pwd)
addresses=$(for m in 0 1 2 3 4 5 6; do "$cli" fields --model "$m"; done |
    cut -c1-13 | grep -o '0x[0-9A-F]\{4\}' | sort -u | tr '\n' '|' | sed 's/|$//')
found=$(grep -rnE "^[^/]*\b($addresses)\b" "$root/src" --include='*.cpp' --include='*.h' |
    grep -v -e 'src/model/SettingsFields.cpp:' -e 'src/model/ImageLayout.h:' -e 'src/model/FreshImage.cpp:' \
        -e 'src/model/ChannelFields.h:' -e 'src/model/DirectoryCodec.h:' \
        -e 'src/link/TransferMaps.cpp:' -e 'src/files/DataFileLayout.h:' || true)
if [ -n "$found" ]; then
    echo "addresses of described settings, channel areas or directories outside their description:" >&2
    echo "$found" >&2
    exit 1
fi
