# Sourced by the scripts that run Wine: the project's Wine settings, the
# loader for the prefix's architecture and the set-up of a private prefix.
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Wine's own loader for the architecture in use: Debian's `wine` wrapper takes
# the 32-bit one whenever it is installed, even where it cannot run. Called
# again by a script that learns the architecture later.
kelvo_choose_loader() {
  if [ "$WINEARCH" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
  else
    export WINELOADER=/usr/lib/wine/wine
  fi
}
kelvo_choose_loader
# One server serves both architectures: the 64-bit one where it is installed,
# as Debian's wineserver wrapper picks it.
if [ -z "${WINESERVER:-}" ]; then
  if [ -x /usr/lib/wine/wineserver64 ]; then WINESERVER=/usr/lib/wine/wineserver64
  else WINESERVER=/usr/lib/wine/wineserver32; fi
  export WINESERVER
fi

wine() { "$WINELOADER" "$@"; }
wineserver() { "$WINESERVER" "$@"; }

# Sets up the prefix $WINEPREFIX for the architecture in use ($WINEARCH).
# Wine's own message is shown, and the caller stops, when that fails.
kelvo_boot_prefix() {
  local log
  if ! log=$(wine wineboot --init 2>&1) || ! wineserver -w; then
    printf '%s\n' "$log" >&2
    echo "Wine could not set up the prefix $WINEPREFIX ($WINELOADER wineboot --init, WINEARCH=$WINEARCH)." >&2
    return 1
  fi
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  printf '%s\n' "$log" >&2
  echo "Wine ended without setting up the prefix $WINEPREFIX ($WINELOADER wineboot --init, WINEARCH=$WINEARCH)." >&2
  return 1
}

# Creates the prefix $WINEPREFIX on first use.
kelvo_make_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  kelvo_boot_prefix
  # Wine's own bitmap fonts give "MS Sans Serif" its real metrics.
  if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}

# The user folders of a new prefix (Desktop, Documents...) lead into the real
# home folder; this makes each of them a folder of the prefix's own.
kelvo_own_user_folders() {
  local prefix=$1 link
  find "$prefix/drive_c/users" -type l | while read -r link; do
    rm "$link"
    mkdir -p "$link"
  done
}

# The Wine architecture a Windows program needs, from its PE header: win64
# for x86-64, win32 otherwise.
kelvo_exe_winearch() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
  if [ "$machine" = 8664 ]; then echo win64; else echo win32; fi
}

# Ends every process of the prefix $WINEPREFIX, those that the server knows
# and those that never got as far as telling it: a Wine process stuck in its
# start-up outlives the server, and holds the pipes of whatever started the
# tests, so a run would wait for it for ever.
kelvo_end_prefix() {
  wineserver -k 2>/dev/null || true
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] && continue
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      kill -9 "$pid" 2>/dev/null || true
    fi
  done
}
