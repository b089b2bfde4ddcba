#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments go to the editor.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/hexlume" "$@"
