#!/usr/bin/env bash
# The calculation paths (numbers/ and engine/) use no floating point and no heap: their
# object files must hold no floating-point instruction and no call of an allocator.
# Usage: check_calculation_objects.sh OBJECT_FOLDER...
set -u
status=0
for folder in "$@"; do
  for object in "$folder"/*.o; do
    [ -f "$object" ] || { echo "no object files in $folder"; exit 1; }
    code=$(objdump -d --no-show-raw-insn "$object")
    float=$(grep -E '\s(cvt\w+|(add|sub|mul|div|sqrt|min|max)[sp][sd]|ucomis[sd]|comis[sd]|fld\w*|fst\w*)\s' <<<"$code")
    heap=$(grep -E 'call.*<(_Znwm|_Znam|malloc|calloc|realloc|free|_ZdlPv\w*|_ZdaPv\w*)(@plt)?>' <<<"$code")
    relocations=$(objdump -r "$object" | grep -E '\b(_Znwm|_Znam|malloc|calloc|realloc)\b')
    if [ -n "$float$heap$relocations" ]; then
      echo "$object:"; printf '%s\n' "$float" "$heap" "$relocations" | sed '/^$/d' | head -n 10
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "no floating point and no allocation in: $*"
exit $status
