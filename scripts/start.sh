#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
# The program reads vdats.tst and its pictures from the working directory.
cd build/default
exec ./Quenmar_Aviation_Calculator
