# Shared by the checks of the installed tree and of the Debian package.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  if [ $failures -eq 0 ]; then echo "$1: all checks passed"; else echo "$1: $failures check(s) failed"; fi
  exit $((failures > 0))
}

# Every file an installed game consists of, relative to its prefix; nothing
# more. Files that other parts of the tree install follow the id.
expected_files() {
  local id=$1
  shift
  [ $# -eq 0 ] || printf '%s\n' "$@"
  printf '%s\n' \
    bin/tarvik-atoms bin/tarvik-plans \
    share/tarvik-atoms/vrel.dat share/tarvik-atoms/vrel.chm \
    share/doc/tarvik-atoms/README.md share/doc/tarvik-atoms/art.md share/doc/tarvik-atoms/copyright \
    share/doc/tarvik-atoms/plan-format.md share/doc/tarvik-atoms/plans.md \
    share/doc/tarvik-atoms/docs/screenshot.png \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/tarvik-plans.1.gz share/man/man6/tarvik-atoms.6.gz
  for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
}

# Runs the installed programs under PREFIX as a player would, with a settings
# folder of their own and no display.
check_installed_programs() {
  local prefix=$1 id=$2 version=$3 scratch=$4
  local out
  # Only standard output counts: Qt may say things about the environment on standard error.
  out=$("$prefix/bin/tarvik-plans" --version 2>/dev/null) || fail "tarvik-plans --version exited $?"
  [ "$out" = "tarvik-plans $version" ] || fail "tarvik-plans --version said '$out'"
  out=$("$prefix/bin/tarvik-plans" info "$prefix/share/tarvik-atoms/vrel.dat" 2>/dev/null) || fail "tarvik-plans info exited $?"
  [[ "$(head -n1 <<< "$out")" =~ ^plans:\ [1-9][0-9]*$ ]] || fail "tarvik-plans info said '$(head -n1 <<< "$out")'"

  out=$(QT_QPA_PLATFORM=offscreen timeout 60 "$prefix/bin/tarvik-atoms" --version 2>/dev/null) || fail "tarvik-atoms --version exited $?"
  [ "$out" = "Tarvik Atoms $version" ] || fail "tarvik-atoms --version said '$out'"

  mkdir -p "$scratch/home"
  HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" QT_QPA_PLATFORM=offscreen \
    timeout 120 "$prefix/bin/tarvik-atoms" --screenshot "$scratch/window.png" > "$scratch/screenshot.log" 2>&1 \
    || fail "tarvik-atoms --screenshot exited $?: $(cat "$scratch/screenshot.log")"
  file "$scratch/window.png" 2>/dev/null | grep -q "PNG image data, 650 x 503" \
    || fail "the screenshot is not a 650 x 503 PNG: $(file "$scratch/window.png" 2>&1)"
}
