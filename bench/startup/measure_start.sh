#!/usr/bin/env bash
# How long the game takes from exec until its main window is visible, and the
# peak memory of a --screenshot run, each against an empty Qt Widgets program
# that shows a 650 x 503 window. Both run alternately on a private X server
# with a window manager; the script prints the medians and their ratios.
#
#   bench/startup/measure_start.sh [--runs N] [--no-build] [--text] [BUILD_DIR]
#
# BUILD_DIR defaults to build/release (configure it with `cmake --preset
# release`); unless --no-build is given the three programs are built first.
# With --text the empty program also runs with one line of text in the game's
# typeface, and a third column shows it: the part of the game's start that
# any window with text pays for setting up the fonts.
# Exits 77 when Xvfb or openbox is missing.
set -euo pipefail

runs=7
build=yes
text=no
build_dir=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --no-build) build=no; shift ;;
    --text) text=yes; shift ;;
    -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) build_dir="$1"; shift ;;
  esac
done
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
build_dir="${build_dir:-$source_dir/build/release}"

for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null; then
    echo "measure_start: $tool is not installed" >&2
    exit 77
  fi
done

if [ "$build" = yes ]; then
  cmake --build "$build_dir" --target tarvik-atoms tarvik_empty_window tarvik_startup_probe >/dev/null
fi
bin="$build_dir/bin"
game="$bin/tarvik-atoms"
empty="$bin/tarvik_empty_window"
probe="$bin/tarvik_startup_probe"
for program in "$game" "$empty" "$probe"; do
  if [ ! -x "$program" ]; then
    echo "measure_start: $program is missing; build it or leave out --no-build" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
xvfb_pid=
wm_pid=
finish() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.05
done
export DISPLAY=":$display"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
if ! "$probe" --wait-for-wm 10; then
  echo "measure_start: the window manager did not start" >&2
  exit 1
fi

# A player who has started the game before: the language is chosen, so the
# first activation shows the splash alone. Nothing of the real player's
# settings is read or written.
mkdir -p "$work/config/TarvikGames/TarvikAtoms" "$work/runtime"
chmod 700 "$work/runtime"
printf '[common]\ntongue=0\nlevel=1\nsound=1\nspeed=3\n' >"$work/config/TarvikGames/TarvikAtoms/V3.ini"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

measure() {  # name program [option]
  local line
  if ! line="$("$probe" "$2" ${3:+"$3"} --screenshot "$work/$1.png" 2>>"$work/$1.log")"; then
    echo "measure_start: $1 did not show its window ($line); see below" >&2
    tail -5 "$work/$1.log" >&2
    exit 1
  fi
  echo "$line" >>"$work/$1.runs"
}

# Another job on the machine shifts both programs' times, and not by the same
# share; the load averages before and after say whether one was running.
load_before="$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || true)"
for i in $(seq "$runs"); do
  # Alternately first, so that neither always runs on a machine warmed by the other.
  if [ $((i % 2)) -eq 1 ]; then
    measure empty "$empty"
    measure game "$game"
  else
    measure game "$game"
    measure empty "$empty"
  fi
  if [ "$text" = yes ]; then
    measure text "$empty" --text
  fi
done

median() {  # file field
  sed -n "s/.*$2=\([0-9.-]*\).*/\1/p" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

row() {  # label field divisor
  local e g t=
  e="$(median "$work/empty.runs" "$2")"
  g="$(median "$work/game.runs" "$2")"
  [ "$text" = yes ] && t="$(median "$work/text.runs" "$2")"
  awk -v label="$1" -v e="$e" -v g="$g" -v t="$t" -v d="$3" \
    'BEGIN { printf "%-34s %9.1f %9.1f %7.2f", label, e / d, g / d, g / e
             if (t != "") printf " %9.1f", t / d
             printf "\n" }'
}

echo "median of $runs runs each, alternately, on Xvfb $DISPLAY with openbox"
if [ -n "$load_before" ]; then
  echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
fi
if [ "$text" = yes ]; then
  printf '%-34s %9s %9s %7s %9s\n' "" "empty" "game" "ratio" "text"
else
  printf '%-34s %9s %9s %7s\n' "" "empty" "game" "ratio"
fi
row "exec to window visible (ms)" visible_ms 1
row "exec to window mapped (ms)" mapped_ms 1
row "peak RSS of a --screenshot run (MB)" peak_rss_kb 1024
row "processor time of that run (ms)" cpu_ms 1
