#!/usr/bin/env bash
# vantor-check --pictures on the sample installation: one PNG per topic of
# the task and one each of the video window, the missing-CD prompt, the
# folder picker and the choice dialog; each a whole, valid PNG (every
# chunk's CRC, the image data's Adler-32 and length) the size of the window
# vantor.exe itself shows. It acts on nothing: zthelp.ini is byte for byte
# the same afterwards, the scanning application's help object is never
# called, and it exits 0.
# shellcheck source=../lib.sh
source "$E2E_LIB"

checker_install
# The scanning application's doubles: any call of its help object is logged.
host_doubles SelectionValid=1 PreviewDone=0
pictures="$CASE_TMP/pictures"
mkdir -p "$pictures"

before="$(md5sum <"$INSTALL/zthelp.ini")"
started=$(date +%s%N)
timeout 60 wine "$INSTALL_WIN\\vantor-check.exe" --pictures "$(to_winpath "$pictures")" \
  >"$CASE_TMP/stdout" 2>&1
status=$?
echo "--pictures took $((($(date +%s%N) - started) / 1000000)) ms"
tr -d '\r' <"$CASE_TMP/stdout"
expect_eq "exit status" 0 "$status"
expect_eq "zthelp.ini afterwards" "$before" "$(md5sum <"$INSTALL/zthelp.ini")"
[[ ! -s "$HOST_DIR/host-calls.log" ]] || fail "the help object was called: $(host_log)"

# The topics as the program counts them: [coachTopicN] from 0 while TopicID is set.
topics=0
while [[ -n "$(ini_value "coachTopic$topics" TopicID)" ]] && ((topics < 100)); do
  topics=$((topics + 1))
done
((topics > 0)) || fail "the sample has no topics"
expected=()
for ((t = 0; t < topics; t++)); do expected+=("$(printf 'coach-topic%02d.png' "$t")"); done
expected+=(choice.png getpath.png nocd.png video.png)
expect_eq "the pictures" "$(printf '%s\n' "${expected[@]}" | sort)" "$(ls "$pictures" | sort)"
expect_line() { grep -qxF -- "$1" < <(tr -d '\r' <"$CASE_TMP/stdout") || fail "no line: $1"; }
expect_line "vantor-check: ${#expected[@]} pictures in $(to_winpath "$pictures")"

# Every file read as a PNG reader reads it: its size, "<width> <height>".
size_of() {
  python3 - "$1" <<'PY' || fail "$1 is not a valid PNG"
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n'
at, chunks, idat = 8, [], b''
while at < len(data):
    length, kind = struct.unpack('>I4s', data[at:at + 8])
    body = data[at + 8:at + 8 + length]
    crc, = struct.unpack('>I', data[at + 8 + length:at + 12 + length])
    assert crc == zlib.crc32(kind + body), kind
    chunks.append(kind)
    if kind == b'IDAT':
        idat += body
    at += 12 + length
assert chunks[0] == b'IHDR' and chunks[-1] == b'IEND', chunks
width, height, depth, colour = struct.unpack('>IIBB', data[16:26])
assert (depth, colour) == (8, 2)
assert len(zlib.decompress(idat)) == height * (1 + 3 * width)  # checks Adler-32 too
print(width, height)
PY
}
# expect_picture <file> <window line of the driver>: same width and height.
expect_picture() {
  expect_eq "$1: width and height" "$(kv width "$2") $(kv height "$2")" "$(size_of "$pictures/$1")"
}
for ((t = 0; t < topics; t++)); do
  [[ "$(size_of "$pictures/${expected[t]}")" == "$(size_of "$pictures/coach-topic00.png")" ]] ||
    fail "${expected[t]} is not the coach's size"
done

# --- The same windows, shown by vantor.exe ------------------------------------------
coach="$(ini_value "frmCoach Text" Title)"
start_vantor "$CASE_TMP/coach.txt" 7
window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
expect_picture coach-topic00.png "$window"
vd close "$coach" >/dev/null
finish_vantor

dialog="$(ini_value "frmChoice Text" Title)"
start_vantor "$CASE_TMP/choice.txt"
window="$(vd wait-window "$dialog" 10000)" || fail "the choice dialog did not open"
expect_picture choice.png "$window"
vd click "$dialog" 2 || fail "could not press Cancel"
finish_vantor

# The clips where they were found last.
ini_set General MoviesLastFoundAt "$INSTALL_WIN"
videos="$(ini_value "frmRUNAVI Text" Title)"
start_vantor "$CASE_TMP/video.txt" 9
window="$(vd wait-window "$videos" 10000)" || fail "the video window did not open"
expect_picture video.png "$window"
vd close "$videos" >/dev/null
finish_vantor

# No clips anywhere: the prompt, and its Browse the picker.
ini_set General MoviesLastFoundAt ""
ini_set "AVI Setup" volumeString NOSUCHCD
prompt="$(ini_value "frmNoCD Text" Title)"
start_vantor "$CASE_TMP/prompt.txt" 9
window="$(vd wait-window "$prompt" 10000)" || fail "the prompt did not open"
expect_picture nocd.png "$window"
vd click "$prompt" 307 || fail "could not press Browse"
window="$(vd wait-window "Select Folder With Video Files" 5000)" || fail "the picker did not open"
expect_picture getpath.png "$window"
vd close "Select Folder With Video Files" >/dev/null
vd wait-window "$prompt" 5000 >/dev/null || fail "the prompt did not come back"
vd close "$prompt" >/dev/null
finish_vantor
