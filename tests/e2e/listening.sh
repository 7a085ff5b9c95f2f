#!/usr/bin/env bash
# Runs one test program while a private sound server records everything
# played (start_listening in scripts/lib.sh), and stops the server after it:
#   listening.sh DIR COMMAND...
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
start_listening "$1"
shift
trap stop_listening EXIT
"$@"
