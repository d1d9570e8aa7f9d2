#!/usr/bin/env bash
# The set-up script on a machine that has everything, and on one that lacks a package.
# apt-get and sudo are replaced by recorders, so nothing is ever installed here.
set -uo pipefail
source=${1:?usage: install_deps_test.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work/fakebin"
for tool in apt-get sudo; do
  cat > "$work/fakebin/$tool" <<FAKE
#!/bin/sh
echo "$tool \$*" >> "$work/calls"
[ "$tool" = sudo ] && exec "\$@"
exit 0
FAKE
  chmod +x "$work/fakebin/$tool"
done
run() { PATH="$work/fakebin:$PATH" bash "$@"; }

# 1. On this machine everything is installed: neither mode may reach apt-get or sudo.
if ! run "$source/scripts/install-deps.sh" --check > "$work/out" 2>&1; then
  fail "--check reports missing packages on a machine the scripts set up: $(cat "$work/out")"
fi
run "$source/scripts/install-deps.sh" > "$work/out" 2>&1 || fail "install-deps.sh failed: $(cat "$work/out")"
[ -e "$work/calls" ] && fail "install-deps.sh called $(cat "$work/calls") with nothing missing"
rm -f "$work/calls"

# 2. A copy whose extra list names a package that is not installed.
mkdir -p "$work/copy/scripts"
cp "$source/scripts/install-deps.sh" "$work/copy/scripts/"
{ cat "$source/scripts/extra-packages.txt"; echo "tarvik-absent-package   # not a real package"; } \
  > "$work/copy/scripts/extra-packages.txt"
run "$work/copy/scripts/install-deps.sh" --check > "$work/out" 2> "$work/err"
rc=$?
[ $rc -eq 1 ] || fail "--check exited $rc with a package missing"
grep -qx "Missing packages: tarvik-absent-package" "$work/err" \
  || fail "--check should list exactly the missing package, said: $(cat "$work/err")"
[ -e "$work/calls" ] && fail "--check installed something: $(cat "$work/calls")"
rm -f "$work/calls"

run "$work/copy/scripts/install-deps.sh" > "$work/out" 2>&1 || fail "install run failed: $(cat "$work/out")"
grep -q "apt-get update" "$work/calls" 2>/dev/null || fail "no apt-get update before installing"
grep -qx "apt-get install -y -qq --no-install-recommends tarvik-absent-package" "$work/calls" 2>/dev/null \
  || fail "apt-get install should get only the missing package, calls were: $(cat "$work/calls" 2>/dev/null)"

if [ $failures -eq 0 ]; then echo "install-deps: all checks passed"; fi
exit $((failures > 0))
