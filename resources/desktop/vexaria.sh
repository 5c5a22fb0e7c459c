#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Vexaria in the user's own folder: the program keeps its tool list
# "Tools.rel" in its working folder and opens its help and icon from there.
# Every option is the program's own and goes to it untouched.
set -eu

# The data folder follows the XDG base directory rules: XDG_DATA_HOME counts
# only as an absolute path (a relative one would make the folder depend on
# where the command was run), and without it the home folder must be one.
# With neither, nothing is written anywhere: "/" is nobody's data folder.
case ${XDG_DATA_HOME-} in
/*) data=$XDG_DATA_HOME ;;
*)
    case ${HOME-} in
    /*) data=$HOME/.local/share ;;
    *)
        echo "vexaria: no folder to keep your data in: HOME is not an absolute path" \
            "and XDG_DATA_HOME is not set to one" >&2
        exit 1
        ;;
    esac
    ;;
esac
folder=$data/vexaria

here=$(dirname -- "$(readlink -f -- "$0")")
prefix=$(dirname -- "$here")
share=$prefix/share/vexaria

# The program runs in the data folder, but a file named on the command line
# (the picture an export writes) means one in the folder the command was run
# in: the program resolves a relative name against this folder. Empty when
# that folder is gone, and then a relative name cannot be resolved at all.
VEXARIA_CALLER_DIR=$(pwd -P 2>/dev/null) || VEXARIA_CALLER_DIR=
export VEXARIA_CALLER_DIR

if ! mkdir -p -- "$folder"; then
    echo "vexaria: cannot make the data folder $folder" >&2
    exit 1
fi
# The help documents and the icon follow the installed version; the tool
# list is the user's and is never touched. A copy that fails leaves the old
# file: the program says so itself when it cannot open one.
for source in "$share"/*; do
    f=${source##*/}
    if [ ! -f "$source" ] || [ "$f" = Tools.rel ]; then
        continue
    fi
    if ! cmp -s -- "$source" "$folder/$f"; then
        new=$folder/.$f.new.$$
        if ! { cp -- "$source" "$new" && mv -f -- "$new" "$folder/$f"; }; then
            rm -f -- "$new"
            echo "vexaria: could not copy $f into $folder" >&2
        fi
    fi
done
cd -- "$folder"
exec "$prefix/libexec/vexaria/mirvex" "$@"
