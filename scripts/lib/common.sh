# shellcheck shell=bash
# Sourced by every script: root, the clone's top folder, and sudo, what
# runs a command as root ("sudo", or nothing when this is root already).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
