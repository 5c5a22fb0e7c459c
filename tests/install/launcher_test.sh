#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher alone, in a temporary folder: a stand-in for the program
# records where it was started, with which arguments and which caller's
# folder. The data folder follows the XDG rules, a relative or odd value is
# ignored, no usable home means a message and nothing written, the user's
# tool list is never touched and the caller's folder reaches the program.
set -euo pipefail
sources=$2
tmp=$(mktemp -d)
tmp=$(cd "$tmp" && pwd -P)
root_data_before=no
[[ -e /.local/share/vexaria ]] && root_data_before=yes
cleanup() {
    rm -rf "$tmp"
    # Only a faulty launcher makes it; remove what it wrongly made.
    if [[ $root_data_before == no && -e /.local/share/vexaria ]]; then
        rm -rf /.local/share/vexaria
        rmdir /.local/share /.local 2>/dev/null || true
    fi
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
mkdir -p "$prefix/bin" "$prefix/share/vexaria" "$prefix/libexec/vexaria"
install -m 755 "$sources/resources/desktop/vexaria.sh" "$prefix/bin/vexaria"
echo "help, version 2" >"$prefix/share/vexaria/mirvex.pdf"
echo "icon, version 2" >"$prefix/share/vexaria/mirvex.ico"
echo "help in English" >"$prefix/share/vexaria/mirvex-en.pdf"
# Never installed, but were one there it still must not reach the user's.
echo "installed tools" >"$prefix/share/vexaria/Tools.rel"
cat >"$prefix/libexec/vexaria/mirvex" <<'EOF'
#!/bin/sh
{
    pwd -P
    printf '%s\n' "${VEXARIA_CALLER_DIR-unset}"
    printf '[%s]' "$@"
    echo
} >"$RECORD"
EOF
chmod 755 "$prefix/libexec/vexaria/mirvex"
launcher=$prefix/bin/vexaria

# launch <name> <folder to run in> [VAR=value...] -- [arguments...]
# Runs the launcher with only the given variables (and PATH) set.
launch() {
    local name=$1 dir=$2
    shift 2
    local vars=()
    while [[ $1 != -- ]]; do
        vars+=("$1")
        shift
    done
    shift
    record=$tmp/$name.record
    errors=$tmp/$name.err
    status=0
    (cd "$dir" && exec timeout 60 env -i PATH="$PATH" RECORD="$record" "${vars[@]}" "$launcher" "$@") \
        >/dev/null 2>"$errors" || status=$?
}
fresh() { # an empty folder to run in
    mkdir -p "$tmp/$1"
    echo "$tmp/$1"
}
empty() { [[ -z $(find "$1" -mindepth 1 -print -quit) ]]; }

# started <name> <data folder>: the program ran there with the help and icon.
started() {
    ((status == 0)) || fail "$1: the launcher failed ($status): $(cat "$errors")"
    [[ -f $record ]] || fail "$1: the program did not start"
    [[ $(sed -n 1p "$record") == "$2" ]] || fail "$1: started in $(sed -n 1p "$record"), not $2"
    local f
    for f in mirvex.pdf mirvex-en.pdf mirvex.ico; do
        cmp -s "$2/$f" "$prefix/share/vexaria/$f" || fail "$1: $f not copied"
    done
    ! cmp -s "$2/Tools.rel" "$prefix/share/vexaria/Tools.rel" || fail "$1: Tools.rel copied"
    [[ -z $(find "$2" -name '*.new*') ]] || fail "$1: a partial copy was left"
}
# refused <name> <folder it ran in>: a message, a failure, nothing written.
refused() {
    ((status != 0)) || fail "$1: the launcher succeeded without a usable home"
    [[ ! -e $record ]] || fail "$1: the program was started"
    grep -q . "$errors" || fail "$1: no message on stderr"
    empty "$2" || fail "$1: it wrote into the folder it ran in: $(find "$2" -mindepth 1)"
    if [[ $root_data_before == no && -e /.local/share/vexaria ]]; then
        fail "$1: it wrote into /.local/share/vexaria"
    fi
}

# The home folder's data folder, the arguments untouched.
dir=$(fresh run1)
launch home "$dir" HOME="$tmp/h1" -- --lang 'a b.png' -- -x ''
started home "$tmp/h1/.local/share/vexaria"
[[ $(sed -n 3p "$record") == '[--lang][a b.png][--][-x][]' ]] ||
    fail "arguments changed: $(sed -n 3p "$record")"
[[ $(sed -n 2p "$record") == "$dir" ]] || fail "caller's folder: $(sed -n 2p "$record")"

# An absolute XDG_DATA_HOME is the data folder, even without a home.
launch xdg "$(fresh run2)" HOME="$tmp/h2" XDG_DATA_HOME="$tmp/x2" --
started xdg "$tmp/x2/vexaria"
[[ ! -e $tmp/h2 ]] || fail "xdg: the home folder was written"
launch xdg-no-home "$(fresh run3)" XDG_DATA_HOME="$tmp/x3" --
started xdg-no-home "$tmp/x3/vexaria"

# Relative, option-like or empty XDG_DATA_HOME: ignored, nothing made here.
n=0
for value in rel -x '' ./x; do
    n=$((n + 1))
    dir=$(fresh "run4-$n")
    launch "xdg-$n" "$dir" HOME="$tmp/h4" XDG_DATA_HOME="$value" --
    started "XDG_DATA_HOME=$value" "$tmp/h4/.local/share/vexaria"
    empty "$dir" || fail "XDG_DATA_HOME=$value: it wrote into $dir: $(find "$dir" -mindepth 1)"
done

# No usable home: HOME unset, empty or relative, and no usable XDG_DATA_HOME.
dir=$(fresh run5)
launch no-home "$dir" --
refused no-home "$dir"
launch empty-home "$dir" HOME= --
refused empty-home "$dir"
launch relative-home "$dir" HOME=home --
refused relative-home "$dir"
launch relative-both "$dir" HOME=home XDG_DATA_HOME=data --
refused relative-both "$dir"
launch dot-home "$dir" HOME=. XDG_DATA_HOME=-x --
refused dot-home "$dir"
launch root-home "$dir" HOME=/ --
refused root-home "$dir"

# A data folder that cannot be made: a message and a failure.
touch "$tmp/not-a-folder"
launch blocked "$(fresh run6)" HOME="$tmp/h6" XDG_DATA_HOME="$tmp/not-a-folder" --
((status != 0)) || fail "blocked: the launcher succeeded"
[[ ! -e $record ]] || fail "blocked: the program was started"
grep -q "data folder" "$errors" || fail "blocked: no message: $(cat "$errors")"

# The caller's folder reaches the program as a physical path, through a
# link and with spaces, so a relative file name means a file there.
mkdir -p "$tmp/caller dir/inner"
ln -s "$tmp/caller dir/inner" "$tmp/link"
launch caller "$tmp/link" HOME="$tmp/h7" -- out.png
started caller "$tmp/h7/.local/share/vexaria"
[[ $(sed -n 2p "$record") == "$tmp/caller dir/inner" ]] ||
    fail "caller's folder: $(sed -n 2p "$record")"

# The user's tool list and other files stay as they are; an old help is
# replaced by the installed one.
folder=$tmp/h8/.local/share/vexaria
mkdir -p "$folder"
printf 'Apuntes\r\n/tmp/apuntes.pdf\r\n\r\n\r\n' >"$folder/Tools.rel"
echo "help, version 1" >"$folder/mirvex.pdf"
touch -d '2001-02-03 04:05:06' "$folder/Tools.rel"
before=$(stat -c '%s %Y %a' "$folder/Tools.rel")
cp "$folder/Tools.rel" "$tmp/Tools.rel.before"
launch upgrade "$(fresh run8)" HOME="$tmp/h8" --
started upgrade "$folder"
cmp -s "$folder/Tools.rel" "$tmp/Tools.rel.before" || fail "Tools.rel was changed"
[[ $(stat -c '%s %Y %a' "$folder/Tools.rel") == "$before" ]] || fail "Tools.rel was rewritten"

# Started through a link, as a menu or a user's own bin folder may do.
mkdir -p "$tmp/userbin"
ln -s "$launcher" "$tmp/userbin/vexaria"
launcher=$tmp/userbin/vexaria
launch linked "$(fresh run9)" HOME="$tmp/h9" --
started linked "$tmp/h9/.local/share/vexaria"
# The program's own command line makes and copies nothing, even with "/" as
# the home folder, and goes to the program in the caller's folder.
for args in --help -h --version '--export x.png' --export=x.png; do
    dir=$(fresh "cli-${args//[^a-z]/}")
    # shellcheck disable=SC2086 # the words are the arguments
    launch cli "$dir" HOME="$tmp/h10" -- $args
    if ((status != 0)) || [[ ! -f $record ]]; then fail "$args: the program did not start"; fi
    [[ $(sed -n 1p "$record") == "$dir" ]] || fail "$args: started in $(sed -n 1p "$record")"
    [[ ! -e $tmp/h10 ]] || fail "$args: the data folder was made"
    # shellcheck disable=SC2086 # the words are the arguments
    launch cli-root "$dir" HOME=/ -- $args
    if ((status != 0)) || [[ $root_data_before == no && -e /.local/share/vexaria ]]; then
        fail "$args with HOME=/: $status"
    fi
done

# What is no regular file under a copy's name is left alone and said once;
# a pipe there holds nothing up.
folder=$tmp/h11/.local/share/vexaria
mkdir -p "$folder/mirvex.pdf"
mkfifo "$folder/mirvex.ico"
ln -s /dev/null "$folder/mirvex-en.pdf"
launch odd "$(fresh run11)" HOME="$tmp/h11" --
if ((status != 0)) || [[ ! -f $record ]]; then fail "odd entries: the program did not start"; fi
for f in mirvex.pdf mirvex.ico mirvex-en.pdf; do
    [[ $(grep -c "$f is not a regular file" "$errors") == 1 ]] || fail "$f: $(cat "$errors")"
done
[[ -d $folder/mirvex.pdf && -p $folder/mirvex.ico && -L $folder/mirvex-en.pdf ]] ||
    fail "an odd entry was replaced"
[[ -z $(find "$folder" -name '*.new*') ]] || fail "a temporary copy was left"
echo "launcher: ok"
