// The heap this test program holds, counted by its replaced operator new and delete.
#pragma once

#include <cstddef>

namespace quotella::test {

// Heap bytes in use now.
std::size_t HeapInUse();
// The most heap held at once since the last ResetHeapPeak.
std::size_t HeapPeak();
void ResetHeapPeak();

}  // namespace quotella::test
