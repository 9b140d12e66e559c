#include "tools/Alignment.h"

namespace {

using Index = std::ptrdiff_t;

// A diagonal run of equal rows from (x0, y0) to (x1, y1), ends excluded.
struct Snake {
    Index x0, y0, x1, y1;
};

class Aligner {
public:
    Aligner(size_t n, size_t m, const RowEquality& equal)
        : m_equal(equal),
          m_center(static_cast<Index>((n + m + 1) / 2 + 1)),
          m_forward(static_cast<size_t>(2 * m_center + 1)),
          m_backward(m_forward.size())
    {
    }

    void Align(Index a0, Index a1, Index b0, Index b1)
    {
        while (a0 < a1 && b0 < b1 && Equal(a0, b0))
            Keep(a0++, b0++);
        Index common = 0;
        while (a0 < a1 && b0 < b1 && Equal(a1 - 1, b1 - 1))
            --a1, --b1, ++common;
        if (a0 < a1 && b0 < b1) {
            const Snake snake = MiddleSnake(a0, a1, b0, b1);
            Align(a0, snake.x0, b0, snake.y0);
            for (Index x = snake.x0, y = snake.y0; x < snake.x1; ++x, ++y)
                Keep(x, y);
            Align(snake.x1, a1, snake.y1, b1);
        }
        for (Index i = 0; i < common; ++i)
            Keep(a1 + i, b1 + i);
    }

    std::vector<std::pair<size_t, size_t>> kept;

private:
    bool Equal(Index i, Index j) const { return m_equal(static_cast<size_t>(i), static_cast<size_t>(j)); }
    void Keep(Index i, Index j) { kept.emplace_back(static_cast<size_t>(i), static_cast<size_t>(j)); }
    Index& Forward(Index k) { return m_forward[static_cast<size_t>(m_center + k)]; }
    Index& Backward(Index k) { return m_backward[static_cast<size_t>(m_center + k)]; }

    // The middle run of a shortest edit path through rows [a0, a1) and
    // [b0, b1), whose first and last rows differ. Paths are searched from both
    // ends at once; the backward search counts from the ends of the ranges.
    Snake MiddleSnake(Index a0, Index a1, Index b0, Index b1)
    {
        const Index n = a1 - a0;
        const Index m = b1 - b0;
        const Index delta = n - m;
        const bool odd = (delta & 1) != 0;
        Forward(1) = 0;
        Backward(1) = 0;
        for (Index d = 0; d <= (n + m + 1) / 2; ++d) {
            for (Index k = -d; k <= d; k += 2) {
                Index x = k == -d || (k != d && Forward(k - 1) < Forward(k + 1)) ? Forward(k + 1) : Forward(k - 1) + 1;
                Index y = x - k;
                const Index x0 = x;
                const Index y0 = y;
                while (x < n && y < m && Equal(a0 + x, b0 + y))
                    ++x, ++y;
                Forward(k) = x;
                // The backward search has taken d - 1 steps on the diagonal that meets this one.
                if (odd && delta - k >= -(d - 1) && delta - k <= d - 1 && x + Backward(delta - k) >= n)
                    return {a0 + x0, b0 + y0, a0 + x, b0 + y};
            }
            for (Index k = -d; k <= d; k += 2) {
                Index x =
                    k == -d || (k != d && Backward(k - 1) < Backward(k + 1)) ? Backward(k + 1) : Backward(k - 1) + 1;
                Index y = x - k;
                const Index x0 = x;
                const Index y0 = y;
                while (x < n && y < m && Equal(a1 - 1 - x, b1 - 1 - y))
                    ++x, ++y;
                Backward(k) = x;
                if (!odd && delta - k >= -d && delta - k <= d && x + Forward(delta - k) >= n)
                    return {a1 - x, b1 - y, a1 - x0, b1 - y0};
            }
        }
        // Two non-empty ranges always meet within (n + m + 1) / 2 steps; should
        // they not, dropping the first row still ends the recursion.
        return {a0 + 1, b0, a0 + 1, b0};
    }

    const RowEquality& m_equal;
    Index m_center;
    std::vector<Index> m_forward;
    std::vector<Index> m_backward;
};

}

std::vector<std::pair<size_t, size_t>> AlignRows(size_t n, size_t m, const RowEquality& equal)
{
    Aligner aligner(n, m, equal);
    aligner.Align(0, static_cast<Index>(n), 0, static_cast<Index>(m));
    return std::move(aligner.kept);
}
