# Sourced by the run, test and benchmark scripts: decides once which build
# runs under Wine on this host and says why when it is not the 32-bit one.
# KELVO_WINE_ARCH=x86-64 forces the 64-bit build, to try that path on a host
# that runs both. Sets KELVO_WINE_BUILD (the preset and build folder, i686 or
# x86-64) and KELVO_WINE_LOADER (Wine's loader for it).
kelvo_choose_wine_build() {
  local loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64 answer
  case ${KELVO_WINE_ARCH:-} in
    '') ;;
    x86-64)
      echo "KELVO_WINE_ARCH=$KELVO_WINE_ARCH: the 64-bit build runs instead, under 64-bit Wine ($loader64)."
      KELVO_WINE_BUILD=x86-64 KELVO_WINE_LOADER=$loader64
      kelvo_check_wine_loader
      return ;;
    *) echo "KELVO_WINE_ARCH must be x86-64 (or unset), not '$KELVO_WINE_ARCH'." >&2; return 1 ;;
  esac
  if answer=$("$loader32" --version 2>&1); then
    KELVO_WINE_BUILD=i686 KELVO_WINE_LOADER=$loader32
    return 0
  fi
  answer=${answer##*$'\n'}
  echo "This host cannot run 32-bit programs ('$loader32 --version' fails: ${answer##*: }): the 64-bit build runs instead, under 64-bit Wine ($loader64)."
  KELVO_WINE_BUILD=x86-64 KELVO_WINE_LOADER=$loader64
  kelvo_check_wine_loader
}

# Fails with Wine's own message when the chosen loader cannot start at all.
kelvo_check_wine_loader() {
  local answer
  answer=$("$KELVO_WINE_LOADER" --version 2>&1) && return 0
  printf '%s\n' "$answer" >&2
  echo "Wine's loader $KELVO_WINE_LOADER does not start on this host; nothing can run under Wine." >&2
  return 1
}
