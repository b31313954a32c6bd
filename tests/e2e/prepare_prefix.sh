#!/usr/bin/env bash
# Builds (or confirms) the Wine prefix template that every end-to-end test copies.
source "$(dirname "$0")/lib.sh"
prefix_template
echo "Wine prefix template ready: $PREFIX_TEMPLATE"
