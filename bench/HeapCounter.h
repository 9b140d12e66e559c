#pragma once

#include <cstddef>

// Live and peak bytes on the heap, counted by the replaced global operator
// new and delete of the benchmark program (usable sizes, as malloc hands them out).
namespace heap {

size_t LiveBytes();
size_t PeakBytes();
// Starts a new peak at the bytes live now.
void ResetPeak();

}
