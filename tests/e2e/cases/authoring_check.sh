#!/usr/bin/env bash
# vantor-check, the authoring checker, run from the installation's folder
# as an installer runs it: on the sample installation it finds nothing and
# exits 0; on a copy with some of the mistakes authors make it prints each
# one's line, exits 1, and gives the same findings as JSON; without
# zthelp.ini (saved as zthelp.ini.txt) it exits 2. The clips are opened
# through the system's real multimedia layer: a clip of junk and one in
# MPEG-4 cannot be opened, and the finding names the format.
# shellcheck source=../lib.sh
source "$E2E_LIB"

checker_install

# check [args]: vantor-check of the install (its own folder unless given);
# its output in OUT, its exit status in STATUS.
check() {
  timeout 60 wine "$INSTALL_WIN\\vantor-check.exe" "$@" >"$CASE_TMP/stdout" 2>"$CASE_TMP/stderr"
  STATUS=$?
  OUT="$(tr -d '\r' <"$CASE_TMP/stdout")"
  printf '%s\n' "$OUT"
}
# expect_line <text>: the output holds exactly this line.
expect_line() {
  grep -qxF -- "$1" <<<"$OUT" || fail "no line: $1"
  echo "ok: $1"
}
# line_of <file> <text>: the line of the install's file where text stands.
line_of() {
  grep -nF -- "$2" "$INSTALL/$1" | head -n 1 | cut -d: -f1
}
# edit <file> <from> <to>: the first occurrence replaced, CRLF kept.
edit() {
  python3 - "$INSTALL/$1" "$2" "$3" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].encode(), sys.argv[3].encode()
data = open(path, 'rb').read()
assert old in data, old
open(path, 'wb').write(data.replace(old, new, 1))
PY
}
# An AVI file whose video is MPEG-4 part 2 ("FMP4"), which the test bed's
# multimedia layer has no codec for: one frame of it is enough.
mpeg4_clip() {
  python3 - "$1" <<'PY'
import struct, sys
def chunk(cid, data): return cid + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')
def lst(kind, data): return chunk(b'LIST', kind + data)
avih = struct.pack('<10I4I', 100000, 0, 0, 0x10, 1, 0, 1, 0, 320, 240, 0, 0, 0, 0)
strh = b'vidsFMP4' + struct.pack('<IHHIIIIIIIIhhhh', 0, 0, 0, 0, 1, 10, 0, 1, 0, 0, 0, 0, 0, 320, 240)
strf = struct.pack('<IiiHH', 40, 320, 240, 1, 24) + b'FMP4' + struct.pack('<IiiII', 0, 0, 0, 0, 0)
hdrl = lst(b'hdrl', chunk(b'avih', avih) + lst(b'strl', chunk(b'strh', strh) + chunk(b'strf', strf)))
movi = lst(b'movi', chunk(b'00dc', b'\x00\x00\x01\xb0' + b'\0' * 60))
body = b'AVI ' + hdrl + movi + chunk(b'idx1', b'00dc' + struct.pack('<III', 0x10, 4, 64))
open(sys.argv[1], 'wb').write(b'RIFF' + struct.pack('<I', len(body)) + body)
PY
}

# --- The sample installation: nothing to report. ---
check
expect_eq "the sample's exit status" 0 "$STATUS"
expect_eq "the sample's findings" "vantor-check: $INSTALL_WIN: 0 errors, 0 warnings, 0 notes" "$OUT"

# --- A copy with mistakes. ---
edit zthelp.ini "TopicID=mark_area" "TopicID=mark_areas"
edit zthelp.ini "NextButton=Next >" "NextButton=Weiter >   ; translated"
edit zthelp.ini "File=select.avi" "File=selct.avi"
edit zthelp.ini "[coachStep5]" "[coachStep5]"$'\r\n'"BUTTON=Save again"
edit Vantor.m14 "@topic final_scan" "@topic: final_scan"
head -c 3000 /dev/urandom >"$INSTALL/clips/place.avi"
mpeg4_clip "$INSTALL/clips/output.avi"
check
expect_eq "the broken copy's exit status" 1 "$STATUS"
expect_line "zthelp.ini:$(line_of zthelp.ini NextButton=): warning: [frmCoach Text] NextButton ends in \"; translated\", which is part of the value, not a comment: the window shows it. Put comments on a line of their own"
expect_line "zthelp.ini:$(($(line_of zthelp.ini 'BUTTON=Save again') + 1)): error: [coachStep5] BUTTON is repeated: Vantor reads the first, \"Save again\" (line $(line_of zthelp.ini 'BUTTON=Save again')), never this \"Save\": delete the one you do not want"
expect_line "zthelp.ini:$(line_of zthelp.ini mark_areas): error: [coachTopic4] TopicID \"mark_areas\" has no topic in Vantor.m14: the page is blank; correct the TopicID or add \"@topic mark_areas\" there"
expect_line "Vantor.m14:$(line_of Vantor.m14 '@topic mark_area'): warning: \"@topic mark_area\" is shown on no page: no TopicID of zthelp.ini names it; correct the TopicID that should, or delete the topic"
expect_line "zthelp.ini:$(line_of zthelp.ini File=place.avi): error: [AVI0] File \"place.avi\" cannot be played on this system (it is not an AVI file): the multimedia layer says \"The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in the correct format.\"; make the clip an AVI file in a format the system plays (RLE8, Cinepak or Microsoft Video 1)"
expect_line "zthelp.ini:$(line_of zthelp.ini File=selct.avi): error: [AVI2] File \"selct.avi\" is not in the clip folder $INSTALL_WIN\\clips: a click on the clip brings only messages of the multimedia layer; did you mean \"select.avi\"?"
grep -qE "^zthelp.ini:$(line_of zthelp.ini File=output.avi): error: \[AVI3\] File \"output.avi\" cannot be played on this system \(its video is FMP4\): the multimedia layer says \"[^\"]+\"; " <<<"$OUT" ||
  fail "no line for the MPEG-4 clip"
expect_line "zthelp.ini:$(line_of zthelp.ini TopicID=final_scan): error: [coachTopic9] TopicID \"final_scan\" has no topic in Vantor.m14: the page is blank; correct the TopicID or add \"@topic final_scan\" there"
expect_line "Vantor.m14:$(line_of Vantor.m14 '@topic: final_scan'): error: \"@topic: final_scan\" does not start a topic, so its text runs on in the page before (output_type); write \"@topic final_scan\""
# Measured in the system's fonts: the comment makes the caption too wide.
expect_line "zthelp.ini:$(line_of zthelp.ini 'NextButton=Weiter'): warning: [frmCoach Text] NextButton \"Weiter >   ; translated\" is 25 pixels wider than its button (76 pixels): its end is cut"
expect_line "vantor-check: $INSTALL_WIN: 7 errors, 4 warnings, 0 notes"
text_findings=$(($(wc -l <<<"$OUT") - 1))

# The same findings as JSON, the summary apart.
check --json
expect_eq "the JSON run's exit status" 1 "$STATUS"
json_findings="$(python3 -c '
import json, sys
findings = json.loads(sys.stdin.read())
assert all(set(f) == {"file", "line", "severity", "check", "message"} for f in findings)
print(len(findings))' <<<"$OUT")" || fail "the JSON output does not read"
expect_eq "findings in JSON" "$text_findings" "$json_findings"
expect_eq "the JSON run's summary" "vantor-check: $INSTALL_WIN: 7 errors, 4 warnings, 0 notes" \
  "$(tr -d '\r' <"$CASE_TMP/stderr")"

# --- The settings file under the wrong name, checked by folder name. ---
mv "$INSTALL/zthelp.ini" "$INSTALL/zthelp.ini.txt"
check "$INSTALL_WIN"
expect_eq "the exit status without zthelp.ini" 2 "$STATUS"
expect_line "zthelp.ini.txt: error: Vantor reads only zthelp.ini, and this file is not read: rename it zthelp.ini (Windows may hide the \".txt\" an editor added)"
