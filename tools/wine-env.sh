# Sourced by the project's scripts: gives Wine a private prefix, a display and a persistent
# wineserver. Never touches ~/.wine or the developer's own Wine setup.
#   tavrolin_wine_ready PREFIX   prepares everything once; later calls are quick.
#   tavrolin_wine_stop PREFIX    ends the prefix's wineserver (and with it every Wine program
#                                of the prefix) and the Xvfb this file started for it.
#   tavrolin_wine_stop PREFIX --started   the same, but only what this shell's
#                                tavrolin_wine_ready started, not what was running before.
#   tavrolin_inf_section SECTION INF   runs an INF section as right-click Install does.

tavrolin_wine_env() {
  export WINEPREFIX="$1" WINEARCH=win32
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono/Gecko installers: nothing here needs them and they would try the network. No
  # debugger for a program that crashes: it ends at once instead of waiting on one.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}"
}

# Gives Wine a display: the caller's DISPLAY, else an Xvfb shared by everything using PREFIX.
tavrolin_display() {
  local state="$1.state"
  mkdir -p "$state"
  [ -n "${DISPLAY:-}" ] && [ "${TAVROLIN_XVFB:-}" != 1 ] && return 0
  if tavrolin_xvfb_pid "$1" >/dev/null && [ -s "$state/xvfb.num" ]; then
    export DISPLAY=":$(cat "$state/xvfb.num")"
    return 0
  fi
  rm -f "$state/xvfb.num"
  # Daemons must not inherit the lock descriptor, or they would hold the lock for good.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/xvfb.num" 9>&- >/dev/null 2>&1 < /dev/null &
  echo $! > "$state/xvfb.pid"
  local i
  for i in $(seq 1 200); do
    [ -s "$state/xvfb.num" ] && break
    sleep 0.05
  done
  [ -s "$state/xvfb.num" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(tr -d '\n' < "$state/xvfb.num")"
}

# The Xvfb started for PREFIX, if it is still running: a pid file left by a machine's earlier
# life may name another program now.
tavrolin_xvfb_pid() {
  local pid
  pid=$(cat "$1.state/xvfb.pid" 2>/dev/null) && [ -n "$pid" ] &&
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] && echo "$pid"
}

# TRUE when a wineserver for this prefix is running.
tavrolin_server_running() {
  local pid
  for pid in $(pgrep -f wineserver); do
    { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

tavrolin_wine_ready() {
  local prefix="$1" state="$1.state"
  tavrolin_wine_env "$prefix"
  mkdir -p "$state"
  local had_server=0 had_xvfb=0 rc=0
  tavrolin_server_running && had_server=1
  tavrolin_xvfb_pid "$prefix" >/dev/null && had_xvfb=1
  (
    flock 9
    tavrolin_display "$prefix" || exit 1
    echo "$DISPLAY" > "$state/display"
    # Wine's background services start with the first program after the server; started here,
    # they never hold a test's output open.
    local started=0
    if ! tavrolin_server_running; then
      wineserver -p 9>&- >/dev/null 2>&1 || true
      started=1
    fi
    if [ -f "$state/ready" ]; then
      if [ $started = 1 ]; then timeout 300 wineboot 9>&- >/dev/null 2>&1 || true; fi
    else
      # No window manager here: unmanaged windows avoid Wine's wait on every hide; classic
      # colours as on Windows 95.
      cat > "$state/setup.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="0"
REG
      # A prefix is ready only once it has booted and taken those settings: a half-made one would
      # fail every test, so it is removed again. Each step is bounded, so that a Wine program that
      # hangs ends the run with a plain error. (A crashed helper of wineboot may spoil its exit
      # code, so the prefix itself is what is checked.)
      local booted=0
      timeout 300 wineboot -i 9>&- >/dev/null 2>&1 || booted=$?
      if [ "$booted" != 124 ] && [ -f "$prefix/drive_c/windows/system32/kernel32.dll" ] &&
         timeout 120 wine regedit /S "Z:${state//\//\\}\\setup.reg" 9>&- >/dev/null 2>&1; then
        touch "$state/ready"
      else
        wineserver -k 9>&- >/dev/null 2>&1 || true
        rm -rf "$prefix"
      fi
      [ -f "$state/ready" ] || { echo "wineboot could not make the prefix $prefix" >&2; exit 1; }
    fi
    # Wine's own fonts (MS Sans Serif, Tahoma, and Marlett for the caption buttons' glyphs) go
    # where Windows keeps its fonts: Debian's Wine does not find them in the folder its package
    # puts them in, and without them every dialog is drawn in a fallback font of other widths.
    local fonts=/usr/share/wine/fonts
    [ ! -d $fonts ] || ln -sf $fonts/* "$prefix/drive_c/windows/Fonts/"
    # Except Wine's MS Sans Serif for the Thai, Hebrew and Arabic code pages: those bitmaps hold
    # no letters of their scripts, so every text in them is a row of bars. Without them Wine
    # draws MS Sans Serif from its outline font, which takes the missing letters from the free
    # fonts of those scripts that tools/bootstrap installs, linked to it below.
    rm -f "$prefix"/drive_c/windows/Fonts/sse[ef]{874,1255,1256}.fon
    # The dialog fonts of Japanese, Korean and Chinese Windows (the page's and the sheet's) are
    # drawn with the free fonts made to match them, which tools/bootstrap installs.
    # (The marker is named anew whenever the list grows, so that older prefixes learn the new names.)
    if [ ! -f "$state/cjk-fonts-2" ]; then
      { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$state/cjk-fonts.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"굴림"="Baekmuk Gulim"
"Gulim"="Baekmuk Gulim"
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"
"新細明體"="AR PL UMing TW"
"細明體"="AR PL UMing TW"
"PMingLiU"="AR PL UMing TW"
REG
      timeout 120 wine regedit /S "Z:${state//\//\\}\\cjk-fonts.reg" 9>&- >/dev/null 2>&1 && touch "$state/cjk-fonts-2"
    fi
    # MS Sans Serif's outline font has no Thai, Hebrew or Arabic letters. Wine takes the letters
    # a font lacks from the first font linked to it, so the one for this run's script goes first:
    # Loma (Thai) under a Thai locale, else DejaVu Sans (Hebrew, Arabic).
    local link='DejaVuSans.ttf,DejaVu Sans\0Loma.ttf,Loma'
    case "${LC_ALL:-${LANG:-}}" in th_*) link='Loma.ttf,Loma\0DejaVuSans.ttf,DejaVu Sans' ;; esac
    if [ "$(cat "$state/font-link" 2>/dev/null)" != "$link" ]; then
      timeout 120 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "MS Sans Serif" /t REG_MULTI_SZ /d "$link" /f 9>&- >/dev/null 2>&1 && printf '%s' "$link" > "$state/font-link"
    fi
    # Wine's Tahoma, in which its sheets, tabs and captions are drawn, has no Thai or Hebrew
    # letters, and nothing linked to it lasts: Wine rewrites Tahoma's links at every start. Under
    # those locales it is left out, and MS Sans Serif, linked to their fonts above, stands in.
    local tahoma=Tahoma
    case "${LC_ALL:-${LANG:-}}" in th_*|he_*) tahoma="MS Sans Serif" ;; esac
    [ "$tahoma" = Tahoma ] || rm -f "$prefix"/drive_c/windows/Fonts/tahoma*.ttf
    if [ "$(cat "$state/tahoma" 2>/dev/null)" != "$tahoma" ]; then
      local substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
      if [ "$tahoma" = Tahoma ]; then
        timeout 120 wine reg delete "$substitutes" /v Tahoma /f 9>&- >/dev/null 2>&1 || true
      else
        timeout 120 wine reg add "$substitutes" /v Tahoma /d "$tahoma" /f 9>&- >/dev/null 2>&1 || true
      fi
      printf '%s' "$tahoma" > "$state/tahoma"
    fi
    # Windows reports itself as Windows 98, the platform most users of the page run (Wine's
    # default is Windows 7).
    if [ ! -f "$state/win98" ]; then
      timeout 120 wine winecfg /v win98 9>&- >/dev/null 2>&1 && touch "$state/win98"
    fi
  ) 9>"$state/lock" || rc=1
  # What this call started, even when it failed half-way, for tavrolin_wine_stop --started.
  TAVROLIN_STARTED=""
  [ $had_server = 1 ] || ! tavrolin_server_running || TAVROLIN_STARTED+=" server"
  [ $had_xvfb = 1 ] || ! tavrolin_xvfb_pid "$prefix" >/dev/null || TAVROLIN_STARTED+=" xvfb"
  [ $rc = 0 ] || return 1
  export DISPLAY="$(cat "$state/display")"
}

tavrolin_wine_stop() {
  local prefix="$1" state="$1.state" what=" server xvfb" pid
  [ "${2:-}" != --started ] || what=${TAVROLIN_STARTED:-}
  tavrolin_wine_env "$prefix"
  if [[ $what == *" server"* ]]; then wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; fi
  if [[ $what == *" xvfb"* ]]; then
    if pid=$(tavrolin_xvfb_pid "$prefix"); then
      kill "$pid" 2>/dev/null || true
      timeout 10 tail --pid="$pid" -f /dev/null || true
    fi
    rm -f "$state/xvfb.pid" "$state/xvfb.num"
  fi
}

# Runs an INF section the way Windows 95 does for right-click Install, 132 taking the files from
# the INF's folder. Windows 95 runs "RunDll setupx.dll,InstallHinfSection"; Wine's 16-bit rundll
# only starts rundll32 with that line cut to 127 characters and does not wait for it, and Wine's
# setupx hands the line unchanged to setupapi. So the line goes straight to that same engine
# through rundll32, which returns when the section is done. The tests do the same.
# setupapi reads the rest of the line as the path, unquoted, so its words are passed as they are.
tavrolin_inf_section() {
  local inf
  inf=$(winepath -w "$2" 2>/dev/null)
  # shellcheck disable=SC2086
  wine rundll32.exe setupapi.dll,InstallHinfSection "$1" 132 $inf >/dev/null 2>&1
}
