#!/usr/bin/env bash
# check_floors.sh SOURCE BUILD: the floors' rules beyond what the build enforces. The build
# gives each floor the headers of the floors it links, so an include that climbs to another
# floor finds nothing; one that names a file by a relative or absolute path would still find
# it, and must not be written. And README's map of the floors says what each one links, as the
# build does (BUILD/floors.txt, written when the build is configured).
set -u

# includes_by_path SOURCE: each include in src/ that names a file by a path of its own.
includes_by_path() {
    grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(\.\.?/|/)' "$1/src" || true
}

# map_lines: the map's lines, "FOLDER/ links FLOOR/ ...", spaces squeezed, sorted.
map_lines() {
    grep -E '^(main\.cpp|[a-z]+/) +links( +[a-z]+/)* *$' | tr -s ' ' | sed 's/ $//' | sort
}

# check_includes SOURCE: says which includes climb by a path, and fails if any do.
check_includes() {
    local found
    found=$(includes_by_path "$1")
    [ -z "$found" ] && return 0
    echo "includes that name another floor's file by a path (include \"floor/Header.h\" instead):"
    echo "$found"
    return 1
}

# check_map SOURCE BUILD: says how README's map differs from the build's links, and fails if it does.
check_map() {
    local differ
    differ=$(diff <(map_lines <"$1/README.md") <(map_lines <"$2/floors.txt")) && return 0
    echo "README's map of the floors (<) is not what the build links (>):"
    echo "$differ"
    return 1
}

status=0
check_includes "$1" || status=1
check_map "$1" "$2" || status=1
exit "$status"
