#!/usr/bin/env bash
# Runs one test program while a private sound server records everything
# played (start_listening in scripts/lib.sh), and stops the server after it:
#   listening.sh DIR COMMAND...
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
# Set first: a start that fails halfway leaves no sound server behind.
trap stop_listening EXIT
start_listening "$1"
shift
# What is heard depends on the sound server keeping up: on a busy machine
# Wine's stream runs dry and a sound comes out with gaps. A run that failed
# is run once more, and only a second failure counts.
"$@" && exit 0
echo "== the listening tests failed once; once more, on a machine that may have been busy"
"$@"
