#pragma once

// Heap use of a stretch of the benchmark program, counted by its replaced
// global operator new and delete in the bytes malloc hands out. Outside a
// count they only forward to malloc and free, so timings are not burdened.
namespace heap {

struct Use {
    long long peak;  // the most that was allocated and not yet freed at any moment
    long long kept;  // allocated and not freed at the end
};

void StartCounting();
Use StopCounting();

}
