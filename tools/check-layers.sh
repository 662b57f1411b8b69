#!/bin/sh
# The core's folders form layers: each folder includes only itself and the folders below it.
# From the bottom: the small shared pieces (1251 text, files, paths, settings, log, translator),
# the XML layer, the bases, the dictionary model, editing, the operator panel, the report, the
# generators, and the session flows that the window and the command-line tool share.
# Prints every include that runs upwards and fails when there is one.
set -eu
cd "$(dirname "$0")/../src"
layers="app xml bases model editing panel report generators session"
# shellcheck disable=SC2086  # the layer names are the folders to search
grep -rnE '^#include "[a-z]+/' $layers | awk -F: -v order="$layers" '
BEGIN { count = split(order, names, " "); for (i = 1; i <= count; i++) rank[names[i]] = i }
{
    split($1, path, "/")
    match($0, /#include "[a-z]+\//)
    target = substr($0, RSTART + 10, RLENGTH - 11)
    if ((target in rank) && rank[target] > rank[path[1]]) {
        print $1 ":" $2 ": " path[1] " includes " target ", a layer above it"
        upward = 1
    }
}
END { exit upward }'
