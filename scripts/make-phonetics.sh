#!/bin/sh
# Regenerates data/lexicon/phonetics.tsv, the General American IPA of every
# headword of the lexicon, from the meanings (the first part of speech picks
# the reading of words like record and present):
#
#   scripts/make-phonetics.sh [BUILD_DIR]
#
# tawen-ipa gives each reading from the CMU pronouncing dictionary or the
# voice's letter-to-sound rules; data/lexicon/phonetics-fixed.tsv then puts
# the hand-written readings over the few it gets wrong. Long phrases and
# sentences get none. Run it after changing meanings, and commit the result:
# building the program never runs it.
set -eu

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
lexicon="$here/data/lexicon"
ipa="$build/tools/tawen-ipa"
[ -x "$ipa" ] || { echo "make-phonetics: build tawen-ipa first ($ipa)" >&2; exit 1; }

generated="$(mktemp)"
trap 'rm -f "$generated" "$lexicon/phonetics.tsv.new"' EXIT
"$ipa" "$lexicon"/meanings/*.tsv >"$generated"
awk -F '\t' '
  FNR == NR { if ($0 !~ /^#/ && NF == 2) fixed[$1] = $2; next }
  $2 == "" { next }
  { print $1 "\t" (($1 in fixed) ? fixed[$1] : $2) }
' "$lexicon/phonetics-fixed.tsv" "$generated" >"$lexicon/phonetics.tsv.new"
mv "$lexicon/phonetics.tsv.new" "$lexicon/phonetics.tsv"
