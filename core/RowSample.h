#pragma once

#include <algorithm>
#include <cstddef>

// Writing megabytes into a buffer that doubles as it grows costs as much
// again as the writing itself, most of it in touching fresh memory. A long
// run of rows therefore reserves room for all of them once a sixteenth of
// them is written: their average length for every row, a quarter to spare.
class RowSample {
public:
    // `rows` rows are to be written to an output that holds `start` bytes.
    RowSample(size_t rows, size_t start) : m_rows(rows), m_sampleRows(std::max<size_t>(rows / 16, 16)), m_start(start)
    {
    }

    // The size to reserve once `done` rows have brought the output to `size`
    // bytes, or 0 when nothing is to be reserved now.
    size_t RoomAfter(size_t done, size_t size) const
    {
        if (done != m_sampleRows || done >= m_rows)
            return 0;
        return size + (size - m_start) / done * (m_rows - done) * 5 / 4;
    }

private:
    size_t m_rows;
    size_t m_sampleRows;
    size_t m_start;
};
