// Counts the heap this test program holds through operator new, so that a
// test can state the peak a piece of work needed.
#pragma once

#include <cstddef>

namespace reliability {

// Bytes held now.
std::size_t HeapInUse();
// The most held at once since the last ResetHeapPeak().
std::size_t HeapPeak();
void ResetHeapPeak();
// operator new fails (std::bad_alloc) once the heap held would pass bytes;
// SIZE_MAX, the start, lifts the limit.
void LimitHeap(std::size_t bytes);

} // namespace reliability
