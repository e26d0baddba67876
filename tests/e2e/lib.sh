# shellcheck shell=bash
# Helpers for the end-to-end cases. A case sources this file first:
#   source "$E2E_LIB"
# run.sh exports the Wine environment, VANTOR_EXE, VDRIVER, SCREENSHOT_DIR,
# CASE_NAME and CASE_TMP before it starts a case.

set -u
# shellcheck source=../../scripts/lib/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine-env.sh"

: "${VDRIVER:?run the cases through tests/e2e/run.sh}"
: "${VANTOR_EXE:?run the cases through tests/e2e/run.sh}"

# The driver: `vd wait-window "Title"`, `vd text "Title" 101`, ... Its lines
# end in CRLF on the Windows side; they come back without the CR.
vd() {
  wine "$VDRIVER" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# The value of `key` in a line of "key=value" words.
kv() {
  local - key="$1" line="$2" word
  set -f
  for word in $line; do
    if [[ "$word" == "$key="* ]]; then
      printf '%s\n' "${word#*=}"
      return 0
    fi
  done
  return 1
}

# list_items <title> <id>: the items of a list or combo box, one a line.
list_items() {
  local items
  items="$(vd items "$1" "$2")" || return 1
  tail -n +2 <<<"$items"
}

# Milliseconds since the epoch, for timing what the program does.
now_ms() {
  date +%s%3N
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# expect_eq <what> <expected> <actual>
expect_eq() {
  if [[ "$2" != "$3" ]]; then
    fail "$1: expected '$2', got '$3'"
  fi
  echo "ok: $1 = '$3'"
}

# expect_near <what> <expected> <actual> <tolerance>
expect_near() {
  local difference=$(($3 - $2))
  if ((difference < -$4 || difference > $4)); then
    fail "$1: expected $2 (within $4), got $3"
  fi
  echo "ok: $1 = $3 (expected $2 within $4)"
}

# --- An install folder for the case ---------------------------------------------

# Makes a fresh install folder C:\e2e\<case> (or a folder below it, when
# given) with vantor.exe and the zthelp.ini read from stdin. Sets INSTALL
# (Unix), INSTALL_WIN, VANTOR_WIN (the Windows path of its vantor.exe) and
# INI_WIN.
new_install() {
  INSTALL="$(install_dir_new "e2e/$CASE_NAME${1:+/$1}")"
  INSTALL_WIN="$(to_winpath "$INSTALL")"
  VANTOR_WIN="$INSTALL_WIN\\vantor.exe"
  INI_WIN="$INSTALL_WIN\\zthelp.ini"
  write_ini
}

# checker_install: the sample installation as one being prepared keeps it,
# with vantor-check.exe and the CD's clip folder beside zthelp.ini.
checker_install() {
  [[ -f "$VANTOR_WIN_BIN/vantor-check.exe" ]] || fail "vantor-check.exe is not built"
  new_install <"$VANTOR_ROOT/sample/zthelp.ini"
  cp "$VANTOR_WIN_BIN/vantor-check.exe" "$INSTALL/"
  cp -r "$VANTOR_ROOT/sample/clips" "$INSTALL/"
}

# Replaces the install's zthelp.ini with stdin (CRLF line ends).
write_ini() {
  install_ini "$INSTALL" /dev/stdin
}

# A settings value as the profile functions read it back.
ini_get() {
  vd ini-get "$INI_WIN" "$1" "$2"
}

# ini_set <section> <key> <value>: sets a key of the install's zthelp.ini in
# place (adds it, and its section, when missing), keeping CRLF line ends.
ini_set() {
  local file="$INSTALL/zthelp.ini"
  # The value goes through the environment: awk -v would read its
  # backslashes as escapes.
  SECTION="$1" KEY="$2" VALUE="$3" awk '
    BEGIN { section = ENVIRON["SECTION"]; key = ENVIRON["KEY"]; value = ENVIRON["VALUE"] }
    function put() { printf "%s=%s\r\n", key, value; done = 1 }
    { sub(/\r$/, "") }
    /^\[/ {
      if (inside && !done) put()
      inside = tolower($0) == tolower("[" section "]")
    }
    inside && !done && tolower($0) ~ "^" tolower(key) "[ \t]*=" { put(); next }
    { printf "%s\r\n", $0 }
    END {
      if (!done) {
        if (!inside) printf "[%s]\r\n", section
        put()
      }
    }' "$file" >"$file.new" && mv "$file.new" "$file"
}

# ini_value <section> <key>: a value of the install's zthelp.ini as the
# file holds it (the profile functions read it the same way for the simple
# values the cases use; ini_get asks them, at 0.15 s a call).
ini_value() {
  awk -v section="$1" -v key="$2" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower("[" section "]"); next }
    inside && tolower($0) ~ "^" tolower(key) "[ \t]*=" {
      sub(/^[^=]*=[ \t]*/, ""); sub(/[ \t]+$/, ""); print; exit
    }' "$INSTALL/zthelp.ini"
}

# --- Running the program ----------------------------------------------------------

BACKGROUND_PIDS=()

# Ends what the case started in the background, by PID, when the case ends.
_end_background() {
  local pid
  for pid in "${BACKGROUND_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
}
trap '_end_background; _cd_restore; _host_restore; _ini_writable' EXIT

# launch [args...]: runs the case's vantor.exe with that command line to its
# end and prints the driver's report ("exit=N elapsed_ms=M windows=K" and a
# "window=<title>" line per window it showed).
launch() {
  vd run --timeout 20000 "$VANTOR_WIN" "$@"
}

# start_vantor <report file> [args...]: the same in the background; the
# report is complete once `finish_vantor` has returned (read it with
# `report`). The driver ends the program after 30 s, or after
# VANTOR_RUN_TIMEOUT_MS when a case needs longer. Sets VANTOR_PID.
start_vantor() {
  local report="$1"
  shift
  wine "$VDRIVER" run --timeout "${VANTOR_RUN_TIMEOUT_MS:-30000}" "$VANTOR_WIN" "$@" >"$report" &
  VANTOR_PID=$!
  BACKGROUND_PIDS+=("$VANTOR_PID")
}

# finish_vantor [pid] [seconds]: waits for a program started by start_vantor
# to end, at most 10 seconds (or as given); the case fails when it is still
# running then.
finish_vantor() {
  local pid="${1:-$VANTOR_PID}" seconds="${2:-10}" tries
  for ((tries = 0; tries < seconds * 20; tries++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      return
    fi
    sleep 0.05
  done
  fail "vantor.exe is still running $seconds s later"
}

# The report file of a background driver, without the CRs of its lines.
report() {
  tr -d '\r' <"$1"
}

# start_standin <report file> <title> <x> <y> <w> <h> [hidden]: a window of
# another program with that title and pixel rectangle, living until it gets
# WM_CLOSE or STANDIN_LIFE_MS (default 30 s) have passed. Returns once the
# window exists; sets STANDIN_PID.
start_standin() {
  local report="$1"
  shift
  wine "$VDRIVER" window "$@" --timeout "${STANDIN_LIFE_MS:-30000}" >"$report" &
  STANDIN_PID=$!
  BACKGROUND_PIDS+=("$STANDIN_PID")
  local tries
  for ((tries = 0; tries < 200; tries++)); do
    grep -q '^ready' "$report" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "the stand-in window \"$1\" did not come up"
}

# --- The product CD stand-in ------------------------------------------------------

# Drive E: is a CD-ROM whose root is $VANTOR_CDROOT, labelled $VANTOR_CDLABEL.
# A case changes it only through these; the first change keeps a copy of the
# CD as it was, and the copy is put back when the case ends, so every case
# finds the prefix's own CD. Wine reads the volume label once, when the
# session's mount manager starts, so a case cannot relabel the disc: it
# names another volume string instead.

# cd_put <path>...: empty files at those paths below the CD's root
# (e.g. movies/intro.avi).
cd_put() {
  _cd_keep
  local path
  for path in "$@"; do
    mkdir -p "$(dirname "$VANTOR_CDROOT/$path")"
    : >"$VANTOR_CDROOT/$path"
  done
}

# cd_eject: the drive stays a CD-ROM drive but holds no disc (its folder is
# gone); cd_insert puts the disc back.
cd_eject() {
  _cd_keep
  [[ -d "$VANTOR_CDROOT" ]] && mv "$VANTOR_CDROOT" "$CASE_TMP/cd-ejected"
  return 0
}

cd_insert() {
  [[ -d "$CASE_TMP/cd-ejected" ]] && mv "$CASE_TMP/cd-ejected" "$VANTOR_CDROOT"
  return 0
}

_cd_keep() {
  [[ -d "$CASE_TMP/cd-as-found" ]] && return 0
  cp -a "$VANTOR_CDROOT" "$CASE_TMP/cd-as-found" || fail "could not keep a copy of the CD"
}

_cd_restore() {
  [[ -d "$CASE_TMP/cd-as-found" ]] || return 0
  rm -rf "$VANTOR_CDROOT" "$CASE_TMP/cd-ejected"
  mv "$CASE_TMP/cd-as-found" "$VANTOR_CDROOT"
}

# expect_text <what> <title> <id> <text>: the control reads that text
# within 2 s (a typed key is handled after the driver returns).
expect_text() {
  local tries
  for ((tries = 0; tries < 40; tries++)); do
    [[ "$(vd text "$2" "$3" 2>/dev/null)" == "$4" ]] && break
    sleep 0.05
  done
  expect_eq "$1" "$4" "$(vd text "$2" "$3")"
}

# readable <title> [--with id]: the window as a screen reader reads it
# through oleacc (prints it): every control answers, and every one shown
# with a text is named by that text (without the "&" of an access key). The
# text of an edit or a combo box is its value, not its name.
readable() {
  local tree line id text name named=0
  tree="$(vd accessible "$@")" || fail "\"$1\" cannot be read as a screen reader reads it"
  echo "$tree"
  ! grep -q ' role=none' <<<"$tree" || fail "a control of \"$1\" answers no screen reader"
  while IFS= read -r line; do
    [[ "$(kv visible "$line")" == 1 ]] || continue
    [[ "$(kv class "$line")" =~ ^(Edit|ComboBox)$ ]] && continue
    id="$(kv id "$line")" text="${line#* text=}"
    text="${text//&/}"
    [[ -n "$text" ]] || continue
    name="$(grep "^id=$id " <<<"$tree" | sed 's/^[^ ]* [^ ]* [^ ]* [^ ]* name=//')"
    [[ "$name" == "$text" ]] || fail "\"$1\": control $id is named '$name', not by its text '$text'"
    named=$((named + 1))
  done < <(vd controls "$@")
  ((named > 0)) || fail "\"$1\" shows no control with a text"
  echo "ok: \"$1\" read as a screen reader reads it, $named controls named by their texts"
}

# centred_with_client <what> <title> <client width> <client height>: the
# window stands in the middle of the screen (within a pixel) with a client
# area of that size in pixels.
centred_with_client() {
  local window screen
  window="$(vd wait-window "$2" 1000)" || fail "$1: no window \"$2\""
  screen="$(vd screen)"
  expect_near "$1: left, centred" $((($(kv width "$screen") - $(kv width "$window")) / 2)) \
    "$(kv left "$window")" 1
  expect_near "$1: top, centred" $((($(kv height "$screen") - $(kv height "$window")) / 2)) \
    "$(kv top "$window")" 1
  expect_eq "$1: client width" "$3" "$(kv client_width "$window")"
  expect_eq "$1: client height" "$4" "$(kv client_height "$window")"
}

# --- The help system's test doubles -------------------------------------------------

# host_doubles [key=value...]: the scanning application's help object and
# zthelp.dll for this case (docs/host-standins.md): their folder is
# $CASE_TMP/host (HOST_DIR), host-state.ini holds the given [HelpObject]
# values, and zthelp.dll lies beside the install's vantor.exe. Call it after
# new_install.
host_doubles() {
  HOST_DIR="$CASE_TMP/host"
  mkdir -p "$HOST_DIR"
  rm -f "$HOST_DIR/host-calls.log"
  VANTOR_HOST_DIR="$(to_winpath "$HOST_DIR")"
  export VANTOR_HOST_DIR
  host_state "$@"
  cp "$VANTOR_WIN_BIN/standins/zthelp.dll" "$INSTALL/"
}

# host_state key=value...: what the scanning application reports from now
# on; the help object reads the file again on every property read.
host_state() {
  { printf '[HelpObject]\r\n' && printf '%s\r\n' "$@"; } >"$HOST_DIR/host-state.ini"
}

# The calls the program made of the doubles so far, one per line.
host_log() {
  tr -d '\r' <"$HOST_DIR/host-calls.log" 2>/dev/null
}

# host_unregistered [library missing]: the help object is not registered
# from now on; with an argument it is registered from a copy of its library
# that is then deleted. Either way the build's registration is restored when
# the case ends, for the cases after it.
host_unregistered() {
  local server="$VANTOR_WIN_BIN/standins/helpobject.dll"
  HOST_UNREGISTERED=1
  if [[ -n "${1:-}" ]]; then
    mkdir -p "$CASE_TMP/gone"
    cp "$server" "$CASE_TMP/gone/"
    server="$CASE_TMP/gone/helpobject.dll"
    wine regsvr32 /s "$(to_winpath "$server")" >/dev/null 2>&1 || fail "could not register the copy"
    rm "$server"
  else
    wine regsvr32 /s /u "$(to_winpath "$server")" >/dev/null 2>&1 || fail "could not unregister"
  fi
}

_host_restore() {
  [[ -n "${HOST_UNREGISTERED:-}" ]] && prefix_register_host
  return 0
}

# --- The clip search and the video window after it ---------------------------------

# clip_search_ini <volumeString> [[General] line]: the settings of a clip
# search case: the clips' key file intro.avi below movies, the prompt's
# texts, and a one-clip list for the video window that opens afterwards.
clip_search_ini() {
  cat <<INI
[General]
${2:-}
[AVI Setup]
volumeString=$1
relativePath=movies
keyFile=intro.avi
[frmRUNAVI Text]
Title=How-To Videos (test)
[AVI0]
BUTTON=Intro
File=intro.avi
[frmNoCD Text]
Title=Vantor: Clips Not Found
NotFoundLabel=The how-to clips could not be found on this computer.
FilesOnCDLabel=They are on the ZT Orvex Pro CD-ROM.
InsertCDLabel=Insert the CD and click OK, or type the drive or folder that holds the clips.
[All Forms Text]
OKButton=OK
CancelButton=Cancel
INI
}


# video_window_opens <what> [title]: the program started by start_vantor
# found its clips and opens the video window (titled "How-To Videos (test)"
# unless given); its close box then ends the program with exit code 0.
video_window_opens() {
  local title="${2:-How-To Videos (test)}"
  vd wait-window "$title" 10000 >/dev/null || fail "$1: the video window did not open"
  vd close "$title" || fail "$1: could not close the video window"
  finish_vantor
  expect_eq "$1: exit code" 0 "$(kv exit "$(report "$CASE_TMP/run.txt")")"
}

# --- Broken input: what a run ends in, and a settings file left alone ------------

# keep_ini: notes the install's zthelp.ini as it is now, or that there is
# none, for ini_kept.
keep_ini() {
  rm -f "$CASE_TMP/ini-kept"
  [[ ! -e "$INSTALL/zthelp.ini" ]] || cp "$INSTALL/zthelp.ini" "$CASE_TMP/ini-kept"
}

# ini_kept <what>: zthelp.ini is byte for byte what keep_ini noted (and
# still missing if it was missing).
ini_kept() {
  if [[ -e "$CASE_TMP/ini-kept" ]]; then
    cmp -s "$CASE_TMP/ini-kept" "$INSTALL/zthelp.ini" || fail "$1: zthelp.ini was changed"
  else
    [[ ! -e "$INSTALL/zthelp.ini" ]] || fail "$1: a zthelp.ini was written"
  fi
  echo "ok: $1: zthelp.ini unchanged"
}

# ini_read_only: the install's zthelp.ini can be read but not written, until
# ini_writable or the end of the case. Root writes past the permission
# bits, and so does Wine run as root: there the file is made immutable.
ini_read_only() {
  chmod a-w "$INSTALL/zthelp.ini"
  if [[ "$(id -u)" == 0 ]]; then
    chattr +i "$INSTALL/zthelp.ini" || fail "the settings file could not be made read-only"
    READ_ONLY_INI="$INSTALL/zthelp.ini"
  fi
}

ini_writable() {
  _ini_writable
  chmod u+w "$INSTALL/zthelp.ini"
}

_ini_writable() {
  [[ -n "${READ_ONLY_INI:-}" ]] && chattr -i "$READ_ONLY_INI" 2>/dev/null
  READ_ONLY_INI=""
  return 0
}

# outcome <what> <windows> <steps> [args...]: runs the install's vantor.exe
# with that command line and acts as a user who wants out. <steps> are
# words done in order, each on the window (of any title) that holds control
# <id>: "close:<id>" its close box; "click:<id>" that button of it;
# "post:<id>" the same without waiting for the click's handling (for a
# button that opens a modal window); "move:<id>" moves the window to
# 100, 80; "wait:<id>" only waits for it. No steps: the program must end by
# itself. Then the program must have ended within 10 s with exit code 0 and
# shown exactly <windows> windows, and no window of any program may be left
# on the screen: a crash, a hang, an error box or a system error dialog
# fails the case. Prints "outcome: <what>: <titles shown> (<ms>)" and
# leaves those titles, joined by "|", in OUTCOME_TITLES.
outcome() {
  local what="$1" windows="$2" step verb id report="$CASE_TMP/outcome.txt"
  local -a steps
  read -r -a steps <<<"$3"
  shift 3
  start_vantor "$report" "$@"
  for step in "${steps[@]}"; do
    verb="${step%%:*}" id="${step#*:}"
    vd wait-window "*" 10000 --with "$id" >/dev/null || fail "$what: no window holds control $id"
    case "$verb" in
      close) vd close "*" --with "$id" >/dev/null ;;
      click) vd click "*" "$id" >/dev/null ;;
      post) vd click "*" "$id" --post >/dev/null ;;
      move) vd move "*" 100 80 --with "$id" >/dev/null ;;
      wait) true ;;
      *) fail "outcome: unknown step $step" ;;
    esac || fail "$what: $step could not be done"
  done
  finish_vantor
  local line
  line="$(report "$report")"
  expect_eq "$what: exit code" 0 "$(kv exit "$line")"
  expect_eq "$what: windows shown" "$windows" "$(kv windows "$line")"
  local left
  left="$(vd list)"
  [[ -z "$left" ]] || fail "$what: windows left open: $left"
  OUTCOME_TITLES="$(sed -n 's/^window=//p' <<<"$line" | paste -sd '|')"
  echo "outcome: $what: $OUTCOME_TITLES ($(kv elapsed_ms "$line") ms)"
}

# --- Screenshots --------------------------------------------------------------------

# screenshot_window <title> <name> [control id]: the window's outer
# rectangle as $SCREENSHOT_DIR/<name>.png; with a control id, the window of
# that title that holds the control (the about box has its opener's title).
screenshot_window() {
  local line
  line="$(vd rect "$1" ${3:+--with "$3"})" || fail "no window \"$1\" to take a picture of"
  _screenshot "$2" "$(kv left "$line")" "$(kv top "$line")" \
    "$(($(kv left "$line") + $(kv width "$line")))" "$(($(kv top "$line") + $(kv height "$line")))"
}

# screenshot_windows <name> <title>...: the smallest rectangle that holds all
# these windows, e.g. a dialog and the window it stands over.
screenshot_windows() {
  local name="$1" title line left=100000 top=100000 right=-100000 bottom=-100000
  shift
  local x y r b
  for title in "$@"; do
    line="$(vd rect "$title")" || fail "no window \"$title\" to take a picture of"
    x=$(kv left "$line") y=$(kv top "$line")
    r=$((x + $(kv width "$line"))) b=$((y + $(kv height "$line")))
    ((x < left)) && left=$x
    ((y < top)) && top=$y
    ((r > right)) && right=$r
    ((b > bottom)) && bottom=$b
  done
  _screenshot "$name" "$left" "$top" "$right" "$bottom"
}

# Pictures for the documentation take time and change files of the
# repository, so the coach cases take them only when VANTOR_SCREENSHOTS=1.
screenshots_wanted() {
  [[ "${VANTOR_SCREENSHOTS:-0}" == 1 ]]
}

# _screenshot <name> <left> <top> <right> <bottom>: that part of the screen,
# once the program has had a moment to paint what the last input changed.
_screenshot() {
  sleep 0.3
  mkdir -p "$SCREENSHOT_DIR"
  import -display "$DISPLAY" -window root -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage \
    "$SCREENSHOT_DIR/$1.png" || fail "screenshot $1 failed"
  echo "screenshot: $SCREENSHOT_DIR/$1.png"
}
