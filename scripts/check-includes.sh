#!/usr/bin/env bash
# Checks the include graph between the folders of src/: no cycle anywhere, and no window's
# folder including another window's (windows meet only through the signals wired in app/).
# The build already refuses an include into a higher layer; this catches what it cannot.
set -euo pipefail
cd "$(dirname "$0")/../src"

edges=$(grep -rHo --include='*.h' --include='*.cpp' '^#include "[^"]*"' . |
    sed -E 's|^\./||; s|:#include "| |; s|"$||' |
    while read -r file header; do
        [[ -f "$header" ]] || continue # a header beside the file, or a generated one
        from=$(dirname "$file")
        to=$(dirname "$header")
        if [[ "$from" != "$to" ]]; then echo "$from $to"; fi
    done | sort -u)

status=0
if ! echo "$edges" | tsort >/dev/null 2>/tmp/check-includes.$$; then
    echo "Include cycle between folders of src/:" >&2
    cat /tmp/check-includes.$$ >&2
    status=1
fi
rm -f /tmp/check-includes.$$

crossing=$(echo "$edges" | awk '$1 ~ /^windows\// && $2 ~ /^windows\// && $1 != $2')
if [[ -n "$crossing" ]]; then
    echo "A window's folder includes another window's (connect them in app/ instead):" >&2
    echo "$crossing" >&2
    status=1
fi

if ((status == 0)); then
    echo "Includes: $(echo "$edges" | wc -l) folder edges, no cycle, windows apart."
fi
exit $status
