#!/usr/bin/env bash
# Holds every include of the program's folders to the layers of src/layers.txt, and finds
# headers that include each other in a loop. Names each file, line and include at fault.
# Usage: check_includes.sh <source-dir>
set -euo pipefail
cd "${1:?usage: check_includes.sh <source-dir>}"
table=src/layers.txt

rows=$(sed -e 's/#.*//' "$table" | awk 'NF { print $1 }')
status=0
for row in $rows; do
  if [[ ! -e $row ]]; then
    echo "$table: names $row, which does not exist"
    status=1
  fi
done

# Every folder of src/ that holds code, and every folder the table names.
folders=$({ find src -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%h\n'
            for row in $rows; do [[ -d $row ]] && echo "$row"; done; } | sort -u)
files=$(for folder in $folders; do
          find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \)
        done | sort)

awk -v table="$table" '
  function fail(message) { print message; failed = 1 }

  # Follows the includes from node; an include back into the files being followed closes a loop.
  function follow(node, depth,    i, next_node, loop, k) {
    state[node] = 1
    stack[depth] = node
    for (i = 1; i <= degree[node]; i++) {
      next_node = edge[node, i]
      if (state[next_node] == 1) {
        loop = next_node
        for (k = depth; stack[k] != next_node; k--) loop = stack[k] " -> " loop
        fail(node ":" edge_line[node, next_node] ": include loop: " next_node " -> " loop)
      } else if (state[next_node] == 0) {
        follow(next_node, depth + 1)
      }
    }
    state[node] = 2
  }

  function add_edge(from, to, line) {
    if ((from, to) in edge_line) return
    edge[from, ++degree[from]] = to
    edge_line[from, to] = line
    nodes[from] = 1
  }

  function allowed_by(row, include,    entries, count, i) {
    count = split(row in allowed ? allowed[row] : "", entries, " ")
    for (i = 1; i <= count; i++)
      if (include == entries[i] || index(include, entries[i] "/") == 1) return 1
    return 0
  }

  FILENAME == ARGV[1] {
    sub(/#.*/, "")
    if (NF == 0) next
    if ($1 in allowed) fail(table ": two rows for " $1)
    allowed[$1] = ""
    for (i = 2; i <= NF; i++) allowed[$1] = allowed[$1] " " $i
    if ($1 ~ /^src\// && $1 !~ /\.(h|cpp)$/) project[substr($1, 5)] = 1
    next
  }
  FILENAME == ARGV[2] {
    if (!($0 in allowed)) fail(table ": no row for " $0)
    folders++
    next
  }
  {
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    line = rest; sub(/:.*/, "", line)
    text = substr(rest, length(line) + 2)
    if (!match(text, /["<][^">]+[">]/)) next
    include = substr(text, RSTART + 1, RLENGTH - 2)
    quoted = substr(text, RSTART, 1) == "\""
    folder = file; sub(/\/[^\/]*$/, "", folder)

    if (include !~ /\//) {
      if (quoted) add_edge(file, folder "/" include, line)
      next
    }
    top = include; sub(/\/[^\/]*$/, "", top)
    if (!quoted && !(top in project)) next
    includes++
    if (top in project) add_edge(file, "src/" include, line)
    if (folder == "src/" top || allowed_by(folder, include) || allowed_by(file, include)) next
    fail(file ":" line ": includes \"" include "\", which " folder " may not (" table ")")
  }
  END {
    for (node in nodes) if (!state[node]) follow(node, 1)
    if (failed) exit 1
    printf "%d includes across %d folders keep to the layers of %s\n", includes, folders, table
  }
' "$table" <(printf '%s\n' $folders) \
  <(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' $files) || status=1
exit $status
