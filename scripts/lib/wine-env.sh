# shellcheck shell=bash
# Sourceable helpers for running vantor.exe and its test programs under Wine:
# a private Xvfb, a 32-bit test prefix with a CD-ROM drive, a persistent
# wineserver for a suite, install folders and path conversion.
#
# Every process started here is remembered by PID and ended by PID; the
# wineserver is only ever killed for our own prefix.

VANTOR_ROOT="${VANTOR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"

# The environment every Wine call of the project runs with. WINEPREFIX may
# be set by the caller; the default is the project's own test prefix.
wine_env_defaults() {
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
  export WINEPREFIX="${WINEPREFIX:-$VANTOR_ROOT/build/wine/prefix}"
  # The product CD stand-in lives inside the prefix so that one folder holds
  # everything a test run changes.
  export VANTOR_CDROOT="${VANTOR_CDROOT:-$WINEPREFIX/cdrom}"
  export VANTOR_CDLABEL="${VANTOR_CDLABEL:-SCANCD01}"
}

# --- Xvfb -------------------------------------------------------------------

# Starts Xvfb (1024x768x24) on the first free display from :90 upward and
# exports DISPLAY; XVFB_PID holds its PID. Another user of the same number
# makes our Xvfb fail at once, so a display only counts as ours when its lock
# file names our PID.
xvfb_start() {
  local n pid lock
  for ((n = 90; n < 190; n++)); do
    lock="/tmp/.X$n-lock"
    [[ -e "$lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
      if ! kill -0 "$pid" 2>/dev/null; then
        break
      fi
      if [[ -S "/tmp/.X11-unix/X$n" && -e "$lock" ]] &&
        [[ "$(tr -d ' \n' <"$lock")" == "$pid" ]]; then
        export DISPLAY=":$n"
        XVFB_PID=$pid
        return 0
      fi
      sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  echo "wine-env: no free X display between :90 and :189" >&2
  return 1
}

xvfb_stop() {
  [[ -n "${XVFB_PID:-}" ]] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# True when $DISPLAY names an X server that answers (or, without xdpyinfo,
# a local display whose socket exists).
display_works() {
  [[ -n "${DISPLAY:-}" ]] || return 1
  if command -v xdpyinfo >/dev/null; then
    xdpyinfo >/dev/null 2>&1
  elif [[ "$DISPLAY" =~ ^:([0-9]+) ]]; then
    [[ -S "/tmp/.X11-unix/X${BASH_REMATCH[1]}" ]]
  else
    return 0
  fi
}

# --- The test prefix ----------------------------------------------------------

# The registry settings the tests depend on: no window manager waits
# (Managed=N), fonts with the metrics of the real ones, drive E: as a CD-ROM,
# no debugger, so that a crash ends the process at once with an exit code,
# and Japanese, Chinese and Korean letters drawn from fonts-wqy-microhei
# where the program's fonts lack them (the fonts link to it, as Windows
# links its own fonts to its CJK fonts).
_prefix_setup_reg() {
  cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"e:"="cdrom"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Arial"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"Arial Bold"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"Liberation Sans"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"Liberation Sans Bold"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"Tahoma"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"MS Sans Serif"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00
"Microsoft Sans Serif"=hex(7):77,71,79,2d,6d,69,63,72,6f,68,65,69,2e,74,74,63,2c,57,65,6e,51,75,61,6e,59,69,20,4d,69,63,72,6f,20,48,65,69,00,00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="0"
"Debugger"=""
REG
}

# What a complete prefix was built with; a change rebuilds it.
_prefix_recipe() {
  { _prefix_setup_reg; echo "$WINEDLLOVERRIDES"; echo "$VANTOR_CDLABEL"; } | md5sum | cut -d' ' -f1
}

prefix_is_complete() {
  [[ -f "$WINEPREFIX/.vantor-prefix" && "$(cat "$WINEPREFIX/.vantor-prefix")" == "$(_prefix_recipe)" ]]
}

# Points drive E: at the CD root with its volume label.
prefix_cd_setup() {
  mkdir -p "$VANTOR_CDROOT" "$WINEPREFIX/dosdevices"
  printf '%s' "$VANTOR_CDLABEL" >"$VANTOR_CDROOT/.windows-label"
  ln -sfn "$VANTOR_CDROOT" "$WINEPREFIX/dosdevices/e:"
}

# Registers the help system's test double, the help object server
# (tools/standins), from where the build put it: every run does it, so the
# prefix always names the library just built. The build tree is
# $VANTOR_WIN_BIN, else $VANTOR_WIN_BUILD/bin, else build/win32/bin. Without
# it only what uses the help object fails, so this only warns.
prefix_register_host() {
  local bin="${VANTOR_WIN_BIN:-${VANTOR_WIN_BUILD:-$VANTOR_ROOT/build/win32}/bin}"
  local server="$bin/standins/helpobject.dll"
  if [[ ! -f "$server" ]]; then
    echo "wine-env: $server is not built; the help object is not registered" >&2
  elif ! wine regsvr32 /s "$(to_winpath "$server")" >/dev/null 2>&1; then
    echo "wine-env: registering $server failed" >&2
  fi
  return 0
}

# Builds the prefix unless a complete one is already there (about 13 s),
# then registers the help object. Needs DISPLAY; must run before a
# persistent wineserver is started, since drive types are read only when the
# wineserver starts.
prefix_ensure() {
  if prefix_is_complete; then
    prefix_cd_setup
    prefix_register_host
    return 0
  fi
  echo "wine-env: building the Wine prefix in $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 || return 1
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  local reg="$WINEPREFIX/vantor-setup.reg"
  _prefix_setup_reg | sed 's/$/\r/' >"$reg"
  wine regedit /S "$(to_winpath "$reg")" >/dev/null 2>&1 || return 1
  prefix_cd_setup
  wineserver -k
  wineserver -w
  _prefix_recipe >"$WINEPREFIX/.vantor-prefix"
  prefix_register_host
}

# --- A persistent wineserver for a suite -----------------------------------------

# Keeps one wineserver alive for the whole suite so that each launch is warm
# (0.15 s instead of 0.5 s); WINESERVER_PID holds its PID.
wineserver_start() {
  wineserver -k 2>/dev/null
  wineserver -w
  wineserver -f -p >/dev/null 2>&1 &
  WINESERVER_PID=$!
  # One throwaway launch loads the shared system DLLs once.
  wine cmd /c exit >/dev/null 2>&1
}

# Ends our prefix's wineserver and everything still running in it.
wineserver_stop() {
  wineserver -k 2>/dev/null
  if [[ -n "${WINESERVER_PID:-}" ]]; then
    wait "$WINESERVER_PID" 2>/dev/null
    WINESERVER_PID=
  fi
}

# --- Paths ---------------------------------------------------------------------------

# Unix path to Windows path: drive_c of our prefix is C:, everything else is
# reached through Wine's Z: drive (the Unix root).
to_winpath() {
  local p
  p="$(realpath -m "$1")"
  local c
  c="$(realpath -m "$WINEPREFIX/drive_c")"
  if [[ "$p" == "$c" ]]; then
    printf 'C:\\\n'
  elif [[ "$p" == "$c/"* ]]; then
    p="${p#"$c"/}"
    printf 'C:\\%s\n' "${p//\//\\}"
  else
    printf 'Z:%s\n' "${p//\//\\}"
  fi
}

# Windows path (C:\..., E:\..., Z:\...) to Unix path, through the prefix's
# drive links.
to_unixpath() {
  local p="${1//\\//}"
  local drive="${p:0:2}"
  drive="${drive,,}"
  local rest="${p:2}"
  rest="${rest#/}"
  local base
  base="$(realpath -m "$WINEPREFIX/dosdevices/$drive")"
  if [[ -z "$rest" ]]; then
    printf '%s\n' "$base"
  else
    printf '%s/%s\n' "$base" "$rest"
  fi
}

# --- Install folders and runs ----------------------------------------------------------

# Makes a fresh install folder C:\<name> as the program's installer lays it
# out and prints its Unix path: vantor.exe ($VANTOR_EXE), the topic pane's
# two backgrounds that the build puts beside it, and the sample help title.
# A zthelp.ini given as a second argument is copied beside the program.
install_dir_new() {
  local name="$1" ini="${2:-}"
  local dir="$WINEPREFIX/drive_c/$name"
  local bin
  bin="$(dirname "$VANTOR_EXE")"
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$VANTOR_EXE" "$dir/vantor.exe"
  cp "$bin/mvback37.bmp" "$bin/mvbackWH.bmp" "$VANTOR_ROOT/sample/Vantor.m14" "$dir/"
  if [[ -n "$ini" ]]; then
    install_ini "$dir" "$ini"
  fi
  printf '%s\n' "$dir"
}

# Copies an INI file into an install folder as zthelp.ini with the CRLF line
# ends of the files the host installs.
install_ini() {
  local dir="$1" ini="$2"
  sed 's/\r$//; s/$/\r/' "$ini" >"$dir/zthelp.ini"
}

# Runs a Windows program under Wine with a time-out in seconds; returns the
# program's exit code (low 8 bits, as Unix passes it on), 124 on time-out.
win_run() {
  local seconds="$1"
  shift
  timeout -k 2 "$seconds" wine "$@"
}
