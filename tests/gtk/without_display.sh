#!/usr/bin/env bash
# vidomat without an X display: a message on standard error that says so, a failure
# status and no crash; --version and --help still answer.
# Usage: without_display.sh VIDOMAT
set -uo pipefail
program=$1
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

error=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1 >/dev/null)
status=$?
[ "$status" = 1 ] || fail "exit status $status without a display, expected 1 ($error)"
[[ $error == *"keine grafische Anzeige"* ]] || fail "message: $error"
error=$(DISPLAY=:9999 "$program" 2>&1 >/dev/null)
status=$?
[ "$status" = 1 ] || fail "exit status $status with an unreachable display, expected 1"

version=$(env -u DISPLAY "$program" --version) || fail "--version failed"
[[ $version =~ ^vidomat\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version: $version"
env -u DISPLAY "$program" --help | grep -q "Aufruf: vidomat" || fail "--help"
status=0
env -u DISPLAY "$program" --gibt-es-nicht >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "exit status $status for an unknown option, expected 2"
echo "without a display: \"$error\", status 1"
