// Counts the program's heap allocations, so a benchmark can show that a frame makes none.
// Linking HeapCounter.cpp replaces the global operator new and delete.
#pragma once

namespace benchsupport {

// Allocations through operator new since the program started.
long heapAllocationCount();

}  // namespace benchsupport
