#!/usr/bin/env bash
# The object check must fail where it should: each small object below uses the heap or
# floating point in one way and the check must reject it; an object of plain integer
# arithmetic and fixed buffers must pass.
# Usage: check_calculation_objects_test.sh CHECK_SCRIPT CXX_COMPILER
set -u
check=$1 compiler=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=(
  "pass|integers and a fixed buffer|#include <cstring>
unsigned f(const char* s) { char b[16] = {}; std::strncpy(b, s, 15); return std::strlen(b) * 3u; }"
  "fail|operator new|int* f() { return new int(1); }"
  "fail|operator new[]|int* f(unsigned n) { return new int[n]; }"
  "fail|nothrow operator new|#include <new>
int* f() { return new (std::nothrow) int(1); }"
  "fail|aligned operator new|struct alignas(64) A { char c; };
A* f() { return new A; }"
  "fail|operator delete|void f(int* p) { delete p; }"
  "fail|operator delete[]|void f(int* p) { delete[] p; }"
  "fail|malloc|#include <cstdlib>
void* f() { return std::malloc(4); }"
  "fail|calloc|#include <cstdlib>
void* f() { return std::calloc(4, 4); }"
  "fail|realloc|#include <cstdlib>
void* f(void* p) { return std::realloc(p, 8); }"
  "fail|free|#include <cstdlib>
void f(void* p) { std::free(p); }"
  "fail|the address of malloc|#include <cstdlib>
using Allocator = void* (*)(std::size_t);
Allocator f() { return &std::malloc; }"
  "fail|a container's inline code|#include <vector>
unsigned f(unsigned n) { std::vector<unsigned> v(n, 1u); return v[0]; }"
  "fail|floating point|unsigned f(unsigned x) { return static_cast<unsigned>(x * 1.5); }"
)

failures=0
for entry in "${cases[@]}"; do
  IFS="|" read -r expected name _ <<<"$entry"
  code=${entry#*|*|}
  folder="$work/${name// /_}"
  mkdir -p "$folder"
  printf '%s\n' "$code" >"$folder/object.cpp"
  "$compiler" -std=c++17 -O0 -c "$folder/object.cpp" -o "$folder/object.o" ||
    { echo "cannot compile: $name"; failures=$((failures + 1)); continue; }
  if "$check" "$folder" >"$folder/output.txt" 2>&1; then outcome=pass; else outcome=fail; fi
  if [ "$outcome" = "$expected" ]; then
    echo "ok: $name ($outcome)"
  else
    echo "WRONG: $name: the check says $outcome, expected $expected"; cat "$folder/output.txt"
    failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ] || { echo "$failures cases wrong"; exit 1; }
