# shellcheck shell=bash
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

# The window's build tree, and the project's four-part version as
# CMakeLists.txt declares it: the packages' names, the title, Apps & features.
winqt=$root/build-win-qt
version=$(sed -n 's/^project(QEM VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")

# Prints the folder of libcsv's source for qem-cli's import: Debian's source
# of the version the Linux build links.
libcsv_source() {
  "$root/scripts/debian-source" libcsv "$(dpkg-query -W -f='${Version}' libcsv-dev)" "$QEM_CACHE/libcsv"
}

# make_msi FOLDER VERSION MSI: the installer (packaging/windows/qem.wxs) of
# the programs in FOLDER, which it takes from the folder of its description.
make_msi() {
  local folder=$1 msi_version=$2 msi
  msi=$(realpath -m "$3")
  cp "$root/packaging/windows/qem.wxs" "$winqt/packaging/windows/qem.ico" "$folder/"
  ( cd "$folder" && wixl -a x64 -D Version="$msi_version" -o "$msi" qem.wxs )
  rm "$folder/qem.wxs" "$folder/qem.ico"
}
