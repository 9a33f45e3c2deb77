#!/bin/sh
# The release's README.txt ends every line with CR LF, as Windows' own editors expect.
# Usage: readme_line_ends.sh <README.txt>
cr=$(printf '\r')
if [ ! -s "$1" ] || grep -qv "$cr\$" "$1"; then
    echo "$1 has a line that does not end with CR LF"
    exit 1
fi
