#!/usr/bin/env bash
# Runs the examples a document shows, read from the document itself and run
# as printed, so that a changed document is tested as it reads. Every
# example is reported: "ran" or "skipped (why)".
#
#   doc_examples.sh readme PRESET            README.md's ```sh blocks that
#                                            belong to PRESET (native, win32)
#   doc_examples.sh sh DOC BIN_DIR SCRATCH   DOC's ```sh blocks, the native
#                                            infprz on the PATH
#   doc_examples.sh cmd DOC BIN_DIR SCRATCH  DOC's cmd examples through Wine's
#                                            cmd /c, infprz.exe in the folder
#   doc_examples.sh story DOC BIN_DIR SCRATCH  DOC's ```story blocks with
#                                            talhost.exe --script FILE --mute
#   doc_examples.sh screens DOC BIN_DIR SCRATCH  DOC's "Screens", printed by
#                                            the command the section names
#
# Markdown marks an example by its fence (```sh, ```bat, ```powershell,
# ```story). A guide (.txt) marks it by indenting it under a line that ends
# in "cmd:" or names PowerShell and ends in ":"; a line "cmd: COMMAND" is one
# example.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
wine_run=$root/cmake/wine-run
mode=$1
shift

ran() { printf 'ran:     %s\n' "$1"; }
skipped() { printf 'skipped: %s\n         (%s)\n' "$1" "$2"; }
fail() { printf 'FAILED:  %s\n' "$*" >&2; exit 1; }

# fenced DOC LANG DIR: each ```LANG block of DOC as the file DIR/1, DIR/2 ...
fenced() {
  rm -rf "$3" && mkdir -p "$3"
  awk -v lang="$2" -v dir="$3" '
    { line = $0; sub(/^ +/, "", line) }
    line ~ /^```/ && fence { fence = on = 0; next }
    line ~ /^```/ { fence = 1 }
    line == "```" lang { n++; on = 1; indent = length($0) - length(line); printf "" > (dir "/" n) }
    fence && !on { next }
    on && line !~ /^```/ { print substr($0, indent + 1) > (dir "/" n) }' "$1"
}

# guide_examples DOC: "SHELL<TAB>COMMAND" for each example of a .txt guide
# (SHELL cmd or PowerShell), without its byte order mark and line ends; a
# command standing apart that no such line marks is "unmarked".
guide_examples() {
  sed -e '1s/^\xef\xbb\xbf//' -e 's/\r$//' "$1" | awk '
    { blank_before = was_blank; was_blank = ($0 == "") }
    /^ +(cmd|PowerShell): +[^ ]/ { sh = $1; sub(/:$/, "", sh); line = $0
                                   sub(/^ +[^:]+: +/, "", line); print sh "\t" line; next }
    shell != "" && /^$/ { if (started) shell = ""; next }
    shell != "" && /^ / { started = 1; line = $0; sub(/^ +/, "", line); print shell "\t" line; next }
    shell != "" { shell = "" }
    blank_before && /^ +(\.\\)?infprz / { print "unmarked\t" $0; next }
    /cmd:$/ { shell = "cmd"; started = 0 }
    /PowerShell.*:$/ { shell = "PowerShell"; started = 0 }'
}

# cmd_words LINE: the words cmd and the program read from LINE (split at
# blanks outside double quotes, which go) into the array `words`.
cmd_words() {
  words=()
  local word="" any=0 quoted=0 c i
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    if [[ $c == '"' ]]; then
      quoted=$((1 - quoted)) any=1
    elif [[ $c == ' ' && $quoted == 0 ]]; then
      ((any)) && words+=("$word")
      word="" any=0
    else
      word+=$c any=1
    fi
  done
  ((any)) && words+=("$word")
  return 0
}

# mazovia TEXT: the text's bytes in the host's code page, as hex.
mazovia() {
  declare -A page=([ą]=86 [ć]=8d [ę]=91 [ł]=92 [ń]=a4 [ó]=a2 [ś]=9e [ź]=a6 [ż]=a7
                   [Ą]=8f [Ć]=95 [Ę]=90 [Ł]=9c [Ń]=a5 [Ó]=a3 [Ś]=98 [Ź]=a0 [Ż]=a1)
  local c i out=""
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    if [[ -n ${page[$c]:-} ]]; then out+=${page[$c]}; else out+=$(printf '%02x' "'$c"); fi
  done
  echo "$out"
}

# The text a settings file holds, as Mazovia hex (the file stores every byte
# complemented; the text runs from byte 0 to its NUL).
stored_text() {
  local byte out=""
  for byte in $(od -An -v -tu1 -N 481 "$1"); do
    ((byte == 255)) && break
    out+=$(printf '%02x' $((255 - byte)))
  done
  echo "$out"
}

readme() {
  local preset=$1 block
  cd "$root"
  fenced README.md sh "$TMPDIR_DOCS/readme"
  for block in "$TMPDIR_DOCS"/readme/*; do
    if ! grep -qv '^\./x ' "$block"; then
      while read -r line; do
        skipped "$line" "it builds and tests everything, this test among them, or starts the interactive host"
      done <"$block"
      continue
    fi
    # A block belongs to the preset it configures.
    grep -q -- "--preset $preset" "$block" || continue
    echo "--- README.md, as printed:"
    cat "$block"
    bash -e -x "$block" || fail "the README.md block above"
    while read -r line; do ran "$line"; done <"$block"
  done
}

# The sh examples run in a desk that has what they name: an infprz.dat, a
# folder host/ with one, an empty folder new/.
sh_examples() {
  local doc=$1 bin=$2 desk=$3 block
  rm -rf "$desk" && mkdir -p "$desk/host" "$desk/new"
  "$bin/infprz" init "$desk/infprz.dat" >/dev/null
  "$bin/infprz" init "$desk/host/infprz.dat" >/dev/null
  fenced "$doc" sh "$desk.blocks"
  for block in "$desk.blocks"/*; do
    if grep -q '^\./x ' "$block"; then
      while read -r line; do skipped "$line" "the developer's interactive host, not run in a test"; done <"$block"
      continue
    fi
    # The check's example needs the host folder it reports on; infprz_tests
    # builds one and compares the report with the one printed beneath it.
    if grep -q '^infprz check ' "$block"; then
      while read -r line; do
        skipped "$line" "run by infprz_tests (CheckFolder.GivesTheReportTheManualShows) on a folder whose MOLRAV.dll lacks HostSound"
      done <"$block"
      continue
    fi
    (cd "$desk" && PATH="$bin:$PATH" bash -e -x "$block") || fail "the ${doc##*/} sh block above"
    while read -r line; do ran "$line"; done <"$block"
  done
  # The JSON the document shows is what show --json prints for it.
  fenced "$doc" json "$desk.json"
  for block in "$desk.json"/*; do
    "$bin/infprz" import "$block" "$desk/shown.dat" || fail "import of the ${doc##*/} JSON example"
    "$bin/infprz" show --json --show-password "$desk/shown.dat" >"$desk/shown.json"
    [ "$(flat_json <"$block")" = "$(flat_json <"$desk/shown.json")" ] ||
      fail "show --json prints the ${doc##*/} JSON example otherwise:" "$(cat "$desk/shown.json")"
    ran "the JSON example, through import and show --json"
  done
  fenced "$doc" powershell "$desk.ps"
  for block in "$desk.ps"/*; do
    while read -r line; do skipped "$line" "PowerShell: not on Linux, nor under Wine"; done <"$block"
  done
}
flat_json() { sed 's/^ *//' | tr -d '\n' | sed 's/, "/,"/g'; }

# polish_locale DESK: LOCPATH names a folder beside DESK with the glibc
# locale pl_PL.UTF-8, made once; without it Wine would misread the Polish
# letters of arguments and take the user's language for English.
polish_locale() {
  local locales=${1%/*}/locales
  [ -d "$locales/pl_PL.UTF-8" ] || { mkdir -p "$locales" && localedef -i pl_PL -f UTF-8 "$locales/pl_PL.UTF-8"; } ||
    fail "no Polish locale (localedef -i pl_PL -f UTF-8)"
  export LOCPATH=$locales
}

# The cmd examples run in a Wine prefix whose C:\Host holds an infprz.dat
# and the stand-in's MOLRAV.dll
# and whose D: is a folder with an empty Host\, from a folder that holds
# infprz.exe and every text file they name (Notepad's "Unicode": UTF-16 with
# its mark).
cmd_examples() {
  local doc=$1 bin=$2 desk=$3 shell line text=""
  prefix=${TALVENOR_WINEPREFIX:-$root/build/wineprefix}
  host=$prefix/drive_c/Host
  trap 'rm -rf "$host" "$prefix/dosdevices/d:" "$prefix/drive_c/talvenor" "$TMPDIR_DOCS"' EXIT
  rm -rf "$desk" "$host" "$prefix/dosdevices/d:" "$prefix/drive_c/talvenor"
  mkdir -p "$desk/D/Host" "$host"
  ln -s "$desk/D" "$prefix/dosdevices/d:"
  cp "$bin/infprz.exe" "$desk/"
  # The ZIP as downloaded, with its published checksum (package_zip wrote them).
  cp "$bin"/../package-test/*.zip "$bin"/../package-test/*.zip.sha256 "$desk/" 2>/dev/null || true
  "$wine_run" "$desk/infprz.exe" init 'C:\Host\infprz.dat' >/dev/null
  # The host program's module, as infprz check finds it there.
  cp "$bin/MOLRAV.dll" "$host/"
  # A Polish guide runs as on a Polish Windows; without the glibc locale
  # Wine would misread the Polish letters of the arguments.
  local locale=C.UTF-8
  if [[ $doc == *CZYTAJ* ]]; then
    polish_locale "$desk"
    locale=pl_PL.UTF-8
  fi
  local examples
  if [[ $doc == *.md ]]; then
    fenced "$doc" bat "$desk.blocks"
    examples=$(cat "$desk.blocks"/* | sed 's/^/cmd\t/')
    fenced "$doc" powershell "$desk.ps"
    examples+=$'\n'$(cat "$desk.ps"/* | sed 's/^/PowerShell\t/')
  else
    examples=$(guide_examples "$doc")
  fi
  [ -n "$examples" ] || fail "no examples found in $doc"
  echo "cmd under Wine, LC_ALL=$locale"
  while IFS=$'\t' read -r shell line; do
    if [ "$shell" = unmarked ]; then
      fail "$line" "a command not under a line ending in \"cmd:\" or naming PowerShell: no test would run it"
    fi
    if [ "$shell" = PowerShell ]; then
      skipped "$line" "PowerShell: not on Linux, nor under Wine"
      continue
    fi
    cmd_words "$line"
    case "${words[0]}" in
    certutil)
      skipped "$line" "Wine's certutil is a stub: it prints no checksum"
      continue ;;
    *talhost.exe)
      talhost_example "$bin" "$desk" "$locale"
      ran "$line (in a terminal, ended with Alt-X)"
      continue ;;
    esac
    local i
    for ((i = 1; i < ${#words[@]}; i++)); do
      [ "${words[i - 1]}" = --text-file ] || continue
      printf '\xff\xfe' >"$desk/${words[i]}"
      printf 'Przypomnienie:\r\nzapłać za licencję.\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$desk/${words[i]}"
      text="zapłać za licencję."
    done
    (cd "$desk" && LC_ALL=$locale "$wine_run" cmd /c "${words[@]}") >"$desk/out" 2>&1 ||
      fail "$line" "$(cat "$desk/out")"
    ran "$line"
    # What the JSON carried to another desk is the same settings file.
    if [[ ${words[1]} == import && ${words[-1]} == ?:\\* ]]; then
      local target=${words[-1]//\\//}
      case $target in
      D:*) target=$desk/D${target#D:} ;;
      C:*) target=$prefix/drive_c${target#C:} ;;
      esac
      cmp "$host/infprz.dat" "$target" || fail "$line: not the same file as C:\\Host\\infprz.dat"
    fi
    # A text typed in cmd arrives in the file as the host's bytes, and
    # output cmd redirects to a file is UTF-8 that holds it as typed.
    if [[ $line =~ --text\ \"([^\"]*)\" ]]; then
      text=${BASH_REMATCH[1]}
      [ "$(stored_text "$host/infprz.dat")" = "$(mazovia "$text")" ] ||
        fail "C:\\Host\\infprz.dat does not hold the text \"$text\" in the host's code page"
    fi
    if [[ ${words[-2]} == ">" && -n ${text:-} ]]; then
      iconv -f UTF-8 -t UTF-8 "$desk/${words[-1]}" >/dev/null && grep -qF "$text" "$desk/${words[-1]}" ||
        fail "$line: ${words[-1]} does not hold \"$text\" in UTF-8"
    fi
  done <<<"$examples"
}

# The stand-in host started as the guide shows, from the folder the ZIP
# unpacks into (its name from the package's configuration), in an empty
# folder of a terminal: the first-run notice, then Alt-X. Keys typed before
# a box opens are dropped, so Alt-X and Enter come again until it ends.
talhost_example() {
  local bin=$1 desk=$2 locale=$3
  local zip_folder standin
  zip_folder=$(sed -n 's/^ *"name": "\(.*\)",$/\1/p' "$bin/../release.json")
  [ -n "$zip_folder" ] || fail "no ZIP name in $bin/../release.json"
  [[ ${words[0]} == *"\\$zip_folder\\standin-host\\talhost.exe" ]] ||
    fail "$line: not the folder the ZIP unpacks into, $zip_folder\\standin-host\\"
  standin=$prefix/drive_c/${words[0]#C:\\}
  standin=${standin//\\//}
  mkdir -p "${standin%/*}" "$desk/empty"
  cp "$bin/talhost.exe" "$bin/MOLRAV.dll" "$bin/talvenor.dll" "${standin%/*}/"
  (set +o pipefail; cd "$desk/empty" && for _ in $(seq 40); do printf '\033x'; sleep 0.5; printf '\r'; sleep 0.5; done |
    LC_ALL=$locale timeout 60 script -qfec "$(printf '%q ' "$wine_run" cmd /c "${words[@]}")" /dev/null) \
    >"$desk/out" 2>&1 || fail "$line: the stand-in host did not end with Alt-X"
  [ -f "$desk/empty/talvenor.xxx" ] || fail "$line: no talvenor.xxx in the folder it was started in"
}

story_examples() {
  local doc=$1 bin=$2 desk=$3 story failed=0
  fenced "$doc" story "$desk.stories"
  for story in "$desk.stories"/*; do
    rm -rf "$desk" && mkdir -p "$desk"
    if (cd "$desk" && "$wine_run" "$bin/talhost.exe" --script "$story" --mute) >"$desk.out" 2>&1; then
      ran "story ${story##*/} of ${doc##*/}"
    else
      echo "--- story ${story##*/} of ${doc##*/} failed:"
      cat -n "$story"
      tail -n 5 "$desk.out"
      failed=1
    fi
  done
  [ -e "$desk.stories/1" ] || fail "no \`\`\`story block in $doc"
  ((failed == 0)) || fail "a story of ${doc##*/}"
}

# The screens a document shows under "## Screens", each printed by the
# command named before it ("Captured with `talhost.exe ...`"), run in a
# desk that holds the files it names, in a Polish locale.
screen_examples() {
  local doc=$1 bin=$2 desk=$3 screen failed=0 commands=0 word
  polish_locale "$desk"
  awk '/^## /{on = ($0 == "## Screens")} on' "$doc" >"$TMPDIR_DOCS/screens.md"
  fenced "$TMPDIR_DOCS/screens.md" "" "$desk.screens"
  # Which command printed each block: the last one named before it.
  local -a printed_by
  mapfile -t printed_by < <(awk '
    /^Captured with `talhost\.exe [^`]*`/ { c = $0; sub(/^Captured with `/, "", c); sub(/`.*/, "", c) }
    /^```/ { if (!fence) print c; fence = !fence }' "$TMPDIR_DOCS/screens.md")
  local command="" out=""
  for screen in $(ls "$desk.screens" | sort -n); do
    if [ "${printed_by[screen - 1]}" != "$command" ]; then
      command=${printed_by[screen - 1]}
      [ -n "$command" ] || fail "screen $screen of ${doc##*/}: no \"Captured with \`talhost.exe ...\`\" before it"
      read -r -a words <<<"$command"
      rm -rf "$desk" && mkdir -p "$desk"
      for word in "${words[@]:1}"; do
        if [ -f "$root/$word" ]; then mkdir -p "$desk/${word%/*}" && cp "$root/$word" "$desk/$word"; fi
      done
      commands=$((commands + 1)) out=$desk.out$commands
      (cd "$desk" && LC_ALL=pl_PL.UTF-8 "$wine_run" "$bin/talhost.exe" "${words[@]:1}") >"$out" 2>&1 ||
        fail "$command" "$(tail -n 5 "$out")"
      sed -i 's/\r$//' "$out"
      ran "$command"
    fi
    if holds_lines "$out" "$desk.screens/$screen"; then
      ran "screen $screen ($(wc -l <"$desk.screens/$screen") lines)"
    else
      echo "--- screen $screen of ${doc##*/} is not in what $command printed:"
      cat "$desk.screens/$screen"
      failed=1
    fi
  done
  ((failed == 0)) || fail "screens of ${doc##*/} that their commands do not print"
}

# holds_lines FILE PART: whether FILE holds PART's lines one after the other
# (PART's first line starts it only once).
holds_lines() {
  awk 'NR == FNR { want[n++] = $0; next }
       { if ($0 == want[k]) { if (++k == n) found = 1 } else k = ($0 == want[0]) }
       END { exit !found }' "$2" "$1"
}

TMPDIR_DOCS=$(mktemp -d)
trap 'rm -rf "$TMPDIR_DOCS"' EXIT
case "$mode" in
readme) readme "$@" ;;
sh) sh_examples "$@" ;;
cmd) cmd_examples "$@" ;;
story) story_examples "$@" ;;
screens) screen_examples "$@" ;;
*) fail "unknown mode $mode" ;;
esac
