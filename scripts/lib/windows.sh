# Sourced by the Windows scripts after common.sh.
#
# QEM_CACHE: the folder outside the clone that keeps what the Windows build
# takes from Debian's sources (the static Qt, libcsv), so that later runs and
# other clones on this machine reuse it. /var/cache/qem when it can be
# written, else $XDG_CACHE_HOME/qem.
if [ -z "${QEM_CACHE:-}" ]; then
  QEM_CACHE=/var/cache/qem
  { mkdir -p "$QEM_CACHE" 2>/dev/null && [ -w "$QEM_CACHE" ]; } || QEM_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/qem
fi
mkdir -p "$QEM_CACHE"
