#!/usr/bin/env bash
# The calculation paths (numbers/ and engine/) use no floating point and no heap: their
# object files must hold no floating-point instruction and refer to no allocator. An
# object that is not yet linked names every function it calls or whose address it takes
# in its relocations, so every reference to operator new or delete (any form: arrays,
# nothrow, sized, aligned) and to the C allocator shows there, inline code included.
# Usage: check_calculation_objects.sh OBJECT_FOLDER...
set -u
# Mangled global operator new (nw), new[] (na), delete (dl) and delete[] (da), and the C
# library's allocation functions.
allocator='^(_Z(nw|na|dl|da)[a-zA-Z].*|malloc|calloc|realloc|reallocarray|free|aligned_alloc|posix_memalign|memalign|valloc|pvalloc|strdup|strndup)$'
status=0
[ $# -gt 0 ] || { echo "usage: $0 OBJECT_FOLDER..."; exit 2; }
for folder in "$@"; do
  for object in "$folder"/*.o; do
    [ -f "$object" ] || { echo "no object files in $folder"; exit 1; }
    code=$(objdump -d --no-show-raw-insn "$object") || { echo "$object: unreadable"; exit 1; }
    float=$(grep -E '\s(cvt\w+|(add|sub|mul|div|sqrt|min|max)[sp][sd]|ucomis[sd]|comis[sd]|fld\w*|fst\w*)\s' <<<"$code")
    # The symbol of each relocation: the last field, without an addend.
    relocations=$(objdump -r "$object") || { echo "$object: unreadable"; exit 1; }
    heap=$(awk '/^[0-9a-f]+ +R_/ { sub(/[-+]0x[0-9a-f]+$/, "", $3); print $3 }' <<<"$relocations" |
      grep -E "$allocator" | sort -u)
    if [ -n "$float$heap" ]; then
      echo "$object:"; printf '%s\n' "$float" "$heap" | sed '/^$/d' | head -n 10
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "no floating point and no allocation in: $*"
exit $status
