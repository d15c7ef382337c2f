// Counts heap allocations: the program that links tests/allocation_counter.cpp has every
// form of the global operator new replaced by one that counts (plain and array, nothrow,
// aligned) and passes on to the C allocator. Used by the allocation test and the
// benchmarks; a program links it once.
#ifndef VIDOMAT_TESTS_ALLOCATION_COUNTER_H
#define VIDOMAT_TESTS_ALLOCATION_COUNTER_H

#include <cstdint>

// Allocations through operator new since the program started.
uint64_t allocation_count();

#endif
