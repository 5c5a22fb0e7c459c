#!/bin/sh
# Starts Vexaria in the user's own folder: the program keeps its tool list
# "Tools.rel" in its working folder and opens its help and icon from there.
set -e
here=$(dirname "$(readlink -f "$0")")
prefix=$(dirname "$here")
share="$prefix/share/vexaria"
folder="${XDG_DATA_HOME:-$HOME/.local/share}/vexaria"
mkdir -p "$folder"
# The help and icon follow the installed version; the tool list is the
# user's and is never touched.
for f in mirvex.pdf mirvex.ico; do
    if ! cmp -s "$share/$f" "$folder/$f"; then
        cp "$share/$f" "$folder/$f.new" && mv -f "$folder/$f.new" "$folder/$f"
    fi
done
cd "$folder"
exec "$prefix/libexec/vexaria/mirvex" "$@"
