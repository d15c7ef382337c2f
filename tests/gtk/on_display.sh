#!/usr/bin/env bash
# Runs a command on the GTK tests' virtual display: on_display.sh SESSION_DIR COMMAND...
set -euo pipefail
# shellcheck disable=SC1091
source "$1/session.env"
shift
exec "$@"
