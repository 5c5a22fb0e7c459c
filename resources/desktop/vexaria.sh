#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Vexaria in the user's own folder: the program keeps its tool list
# "Tools.rel" in its working folder and opens its help and icon from there.
# Every option is the program's own and goes to it untouched.
set -eu

here=$(dirname -- "$(readlink -f -- "$0")")
prefix=$(dirname -- "$here")
share=$prefix/share/vexaria

# The program runs in the data folder, but a file named on the command line
# (the picture an export writes) means one in the folder the command was run
# in: the program resolves a relative name against this folder. Empty when
# that folder is gone, and then a relative name cannot be resolved at all.
VEXARIA_CALLER_DIR=$(pwd -P 2>/dev/null) || VEXARIA_CALLER_DIR=
export VEXARIA_CALLER_DIR

# The program's own command line (help, version, an exported picture) needs
# no data folder: nothing is made or copied for it.
for argument in "$@"; do
    case $argument in
    -h | --help | -help | --version | -version | --export | --export=* | -export | -export=*)
        exec "$prefix/libexec/vexaria/mirvex" "$@"
        ;;
    esac
done

# The data folder follows the XDG base directory rules: XDG_DATA_HOME counts
# only as an absolute path (a relative one would make the folder depend on
# where the command was run), and without it the home folder must be one.
# With neither, nothing is written anywhere: "/" is nobody's data folder.
data=
case ${XDG_DATA_HOME-} in
/*) data=$XDG_DATA_HOME ;;
*)
    case ${HOME-} in
    / | //) ;;
    /*) data=$HOME/.local/share ;;
    esac
    case ${data-} in
    /*) ;;
    *)
        echo "vexaria: no folder to keep your data in: HOME is not an absolute path" \
            "other than / and XDG_DATA_HOME is not set to one" >&2
        exit 1
        ;;
    esac
    ;;
esac
folder=$data/vexaria

if ! mkdir -p -- "$folder"; then
    echo "vexaria: cannot make the data folder $folder" >&2
    exit 1
fi
# The help documents and the icon follow the installed version; the tool
# list is the user's and is never touched. A copy that fails leaves the old
# file: the program says so itself when it cannot open one.
# What is there under a copy's name and is no regular file (a folder, a
# pipe, a device) is left alone and said once: comparing with a pipe would
# wait for ever, and a copy would be moved into a folder.
for source in "$share"/*; do
    f=${source##*/}
    if [ ! -f "$source" ] || [ "$f" = Tools.rel ]; then
        continue
    fi
    if { [ -e "$folder/$f" ] || [ -L "$folder/$f" ]; } && [ ! -f "$folder/$f" ]; then
        echo "vexaria: $folder/$f is not a regular file; the installed $f was not copied there" >&2
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
