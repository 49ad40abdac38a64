#!/usr/bin/env bash
# Fails when a screen in the README is not what the host draws.
exec "$(dirname "$0")/readme-screens.sh" --check
