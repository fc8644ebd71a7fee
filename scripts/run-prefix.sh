#!/usr/bin/env bash
# Furnishes the Wine prefix of the run command once: user folders of its own
# instead of links into the home folder, a desktop with a few sample files,
# a CJK font for names such as 日本語メモ.txt, and text files that open in
# Notepad. What the user changes there later is kept. The font mapping has a
# marker of its own, so a prefix furnished before it came gets it too.
# Usage: run-prefix.sh <prefix>
set -euo pipefail
export WINEPREFIX=$1
. "$(dirname "$0")/../cmake/wine-prefix.sh"

# Each written last, so a set-up that was cut short starts over.
ready=$WINEPREFIX/.kelvo-run-ready
# Named after the mapping's version: a new version is applied once more.
fonts_ready=$WINEPREFIX/.kelvo-run-fonts-2
[ -f "$ready" ] && [ -f "$fonts_ready" ] && exit 0

# Writes file $1 with the text $2, unless it is there already.
sample() { [ -e "$1" ] || printf '%s\r\n' "$2" >"$1"; }

add_samples() {
  local desktop=$1
  sample "$desktop/Read me.txt" "These sample files stand in for a desktop folder; right-click KelvoTop's icon to open them from its DeskTop submenu."
  sample "$desktop/日本語メモ.txt" $'\xEF\xBB\xBF買い物：牛乳、卵、パン'
  sample "$desktop/Café menu.txt" "Espresso, croissant, crème brûlée"
  sample "$desktop/Letter.rtf" '{\rtf1\ansi Dear friend,\par thank you for the \b lovely\b0  evening.\par}'
  sample "$desktop/Settings.ini" $'[Window]\r\nWidth=640'
  mkdir -p "$desktop/Projects"
  sample "$desktop/Projects/Plan.txt" "1. Sketch  2. Build  3. Ship"
}

# The desktop shared by all users, where installers put program shortcuts:
# a program and a note, one of them under a name the user's desktop has too.
add_shared_samples() {
  local shared=$WINEPREFIX/drive_c/users/Public/Desktop
  mkdir -p "$shared"
  [ -e "$shared/Notepad.exe" ] || cp "$WINEPREFIX/drive_c/windows/notepad.exe" "$shared/Notepad.exe"
  sample "$shared/Read me.txt" "The desktop shared by all users: your own desktop's file of this name is the one listed."
}

# Wine's own fonts have no CJK letters, and the fonts that Wine links to its
# menu font, Tahoma, for missing letters are not installed; WenQuanYi Micro
# Hei takes their place.
#
# The windows' layout font, "MS Sans Serif", is a bitmap font in the prefix,
# and Wine links no font to a bitmap font. Without it, Wine's TrueType
# "MS Sans Serif" stands in, or else Tahoma, both linked to the CJK font, as
# Windows stands a TrueType font with its links in for that name.
add_cjk_font() {
  local font link face key
  font=$(dpkg -L fonts-wqy-microhei 2>/dev/null | grep -m1 '\.tt[cf]$' || true)
  [ -n "$font" ] || return 0
  ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  link="$(basename "$font"),WenQuanYi Micro Hei"
  for face in Tahoma 'MS Sans Serif'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
      /t REG_MULTI_SZ /d "$link" /f >/dev/null
  done
  rm -f "$WINEPREFIX"/drive_c/windows/Fonts/sserif*.fon
  for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
             'HKLM\Software\Microsoft\Windows\CurrentVersion\Fonts'; do
    wine reg delete "$key" /v 'MS Sans Serif' /f >/dev/null 2>&1 || true
  done
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Sans Serif' \
    /d Tahoma /f >/dev/null
}

# Wine registers no program for .txt files; Notepad opens them here.
open_text_in_notepad() {
  wine reg query 'HKCR\.txt' >/dev/null 2>&1 ||
    wine reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null
}

if [ ! -f "$ready" ]; then
  kelvo_make_prefix
  kelvo_own_user_folders "$WINEPREFIX"
  user=${USER:-$(id -un)}
  add_samples "$WINEPREFIX/drive_c/users/$user/Desktop"
  add_shared_samples
  open_text_in_notepad
fi
add_cjk_font
wineserver -w
touch "$fonts_ready" "$ready"
