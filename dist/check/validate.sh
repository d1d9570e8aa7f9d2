#!/usr/bin/env bash
# The platform's own validators on the desktop entry, the AppStream data and the manual pages.
set -uo pipefail
kind=$1; shift
case $kind in
  desktop) exec desktop-file-validate "$@" ;;
  metainfo) exec appstreamcli validate --no-net "$@" ;;
  man)
    status=0
    for page in "$@"; do
      # -ww: every warning; -z: format but print nothing, so only the warnings show.
      warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
      if [ -n "$warnings" ]; then echo "$page: $warnings"; status=1; fi
      lines=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l -P cat "$page" 2>/dev/null | grep -cE '^(NAME|SYNOPSIS|DESCRIPTION|OPTIONS|FILES|EXIT STATUS|EXAMPLES)$')
      [ "$lines" -ge 6 ] || { echo "$page: only $lines of the usual sections render"; status=1; }
    done
    [ $status -eq 0 ] && echo "manual pages: no warnings"
    exit $status ;;
  *) echo "usage: validate.sh desktop|metainfo|man FILE..." >&2; exit 2 ;;
esac
