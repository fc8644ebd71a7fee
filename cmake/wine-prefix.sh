# Sourced by the scripts that run Wine: the project's Wine settings and the
# set-up of a private prefix.
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Creates the prefix $WINEPREFIX on first use.
kelvo_make_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  wineboot --init >/dev/null 2>&1
  wineserver -w
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
