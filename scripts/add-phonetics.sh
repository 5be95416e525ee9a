#!/bin/sh
# Adds the phonetic field to course word lists.
#
#   scripts/add-phonetics.sh [FILE...] > out.txt
#
# Reads "word#meaning" lines (from the files, or standard input) and writes
# "word#meaning#[ipa]" lines, the IPA of the whole word or phrase as espeak-ng
# gives it for British English (Received Pronunciation). A third field already present is replaced, so
# the script can be run again over a finished course file.
#
# Words whose stress moves with the part of speech (export, conduct, permit)
# follow the first part of speech of the meaning: a meaning that begins with
# "v." is read as a verb.
set -eu

VOICE="${TAWEN_IPA_VOICE:-en-gb-x-rp}"

if ! command -v espeak-ng >/dev/null 2>&1; then
  echo "add-phonetics: espeak-ng is not installed (see scripts/install-deps.sh)" >&2
  exit 1
fi

# espeak-ng ends every clause with a line break and may pad words with blanks:
# join everything to one line of single-spaced IPA. It writes the unstressed
# vowel as ɐ where learners' dictionaries write ə.
espeak_ipa() {
  printf '%s\n' "$1" | espeak-ng -q --ipa -v "$VOICE" |
    tr '\n\t' '  ' | tr -s ' ' | sed 's/^ //; s/ $//; s/ɐ/ə/g'
}

# Read alone, espeak-ng takes a word as a noun;
# after "to" it takes the verb, and the "to" is cut off again.
ipa_as_verb() {
  with_to="$(espeak_ipa "to $1")"
  case "$with_to" in
  "tə "* | "tʊ "*) printf '%s' "${with_to#* }" ;;
  *) espeak_ipa "$1" ;;
  esac
}

# Entries espeak-ng misreads, matched on word and meaning: the article (it
# reads the letter), "close" as in "close the door" (a beginner course gives
# no part of speech), and words its Received Pronunciation rules get wrong.
fixed_ipa() {
  case "$1#$2" in
  "a#"*) printf 'ə' ;;
  "close#关上"*) printf 'klˈəʊz' ;;
  "advance#"*) printf 'ədvˈɑːns' ;;
  "elastic#"*) printf 'ɪlˈæstɪk' ;;
  "empire#"*) printf 'ˈɛmpaɪə' ;;
  "mall#"*) printf 'mˈɔːl' ;;
  "multiply#"*) printf 'mˈʌltɪplˌaɪ' ;;
  "passive#"*) printf 'pˈæsɪv' ;;
  "plastic#"*) printf 'plˈæstɪk' ;;
  esac
}

ipa_of() {
  fixed="$(fixed_ipa "$1" "$2")"
  if [ -n "$fixed" ]; then
    printf '%s' "$fixed"
  else
    case "$2" in
    v.*) ipa_as_verb "$1" ;;
    *) espeak_ipa "$1" ;;
    esac
  fi
}

# The loop runs in a pipeline's subshell, so it ends with its own status,
# which becomes the script's.
cat "$@" | tr -d '\r' | {
  status=0
  line_no=0
  while IFS= read -r line || [ -n "$line" ]; do
    line_no=$((line_no + 1))
    word="${line%%#*}"
    rest="${line#*#}"
    meaning="${rest%%#*}"
    if [ -z "$word" ] || [ "$rest" = "$line" ]; then
      echo "add-phonetics: line $line_no is not word#meaning: $line" >&2
      status=1
      continue
    fi
    ipa="$(ipa_of "$word" "$meaning")"
    case "$ipa" in
    "" | *"#"* | *"["* | *"]"*)
      echo "add-phonetics: no usable IPA for line $line_no: $word" >&2
      status=1
      continue
      ;;
    esac
    printf '%s#%s#[%s]\n' "$word" "$meaning" "$ipa"
  done
  exit "$status"
}
