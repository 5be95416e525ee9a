#!/bin/sh
# Converts the CMU pronouncing dictionary from the npm package
# cmu-pronouncing-dictionary into tools/cmudict/cmudict.dict, the form
# tawen-ipa reads ("word  PHONES", other readings as "word(2)"). Run once when
# the dictionary is to be updated; building and running Tawen never need npm.
#
#   scripts/convert-cmudict.sh [VERSION]
set -eu

version="${1:-3.0.0}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/tawen-cmudict.XXXXXX")"
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "cmu-pronouncing-dictionary@$version" >/dev/null)
tar -xzf "$work"/cmu-pronouncing-dictionary-"$version".tgz -C "$work"
# index.js holds one '  "word": "PHONES",' line per entry.
sed -n 's/^  "\(.*\)": "\(.*\)",\{0,1\}$/\1  \2/p' "$work/package/index.js" \
  >"$root/tools/cmudict/cmudict.dict"
cp "$work/package/license" "$root/tools/cmudict/LICENSE.npm-package"
wc -l "$root/tools/cmudict/cmudict.dict"
