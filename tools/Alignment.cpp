#include "tools/Alignment.h"

#include <optional>

namespace {

using Index = std::ptrdiff_t;

// Steps after which the search for a shortest path gives up on one range
// and splits it where it got furthest: lists that differ in more places
// than this, one close to another, align well but maybe not best.
constexpr Index kMaxSteps = 256;

// A diagonal run of equal rows from (x0, y0) to (x1, y1), ends excluded.
struct Snake {
    Index x0, y0, x1, y1;
};

class Aligner {
public:
    Aligner(size_t n, size_t m, const RowEquality& equal, size_t& budget)
        : m_equal(equal),
          m_budget(budget),
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
            if (const std::optional<Snake> snake = MiddleSnake(a0, a1, b0, b1)) {
                Align(a0, snake->x0, b0, snake->y0);
                for (Index x = snake->x0, y = snake->y0; x < snake->x1; ++x, ++y)
                    Keep(x, y);
                Align(snake->x1, a1, snake->y1, b1);
            } else {
                result.longest = false;
            }
        }
        for (Index i = 0; i < common; ++i)
            Keep(a1 + i, b1 + i);
    }

    Alignment result;

private:
    bool Equal(Index i, Index j)
    {
        if (m_budget > 0)
            --m_budget;
        return m_equal(static_cast<size_t>(i), static_cast<size_t>(j));
    }
    void Keep(Index i, Index j) { result.kept.emplace_back(static_cast<size_t>(i), static_cast<size_t>(j)); }
    Index& Forward(Index k) { return m_forward[static_cast<size_t>(m_center + k)]; }
    Index& Backward(Index k) { return m_backward[static_cast<size_t>(m_center + k)]; }

    // The middle run of a shortest edit path through rows [a0, a1) and
    // [b0, b1), whose first and last rows differ. Paths are searched from both
    // ends at once; the backward search counts from the ends of the ranges.
    // A search that takes more than kMaxSteps steps each way stops at the
    // point that the furthest path reached, an empty run; none once the
    // budget is spent.
    std::optional<Snake> MiddleSnake(Index a0, Index a1, Index b0, Index b1)
    {
        const Index n = a1 - a0;
        const Index m = b1 - b0;
        const Index delta = n - m;
        const bool odd = (delta & 1) != 0;
        Forward(1) = 0;
        Backward(1) = 0;
        for (Index d = 0; d <= (n + m + 1) / 2; ++d) {
            if (d > kMaxSteps) {
                result.longest = false;
                return FurthestPoint(a0, a1, b0, b1, d - 1);
            }
            for (Index k = -d; k <= d; k += 2) {
                Index x = k == -d || (k != d && Forward(k - 1) < Forward(k + 1)) ? Forward(k + 1) : Forward(k - 1) + 1;
                Index y = x - k;
                const Index x0 = x;
                const Index y0 = y;
                while (x < n && y < m && m_budget > 0 && Equal(a0 + x, b0 + y))
                    ++x, ++y;
                if (m_budget == 0)
                    return std::nullopt;
                Forward(k) = x;
                // The backward search has taken d - 1 steps on the diagonal that meets this one.
                if (odd && delta - k >= -(d - 1) && delta - k <= d - 1 && x + Backward(delta - k) >= n)
                    return Snake{a0 + x0, b0 + y0, a0 + x, b0 + y};
            }
            for (Index k = -d; k <= d; k += 2) {
                Index x =
                    k == -d || (k != d && Backward(k - 1) < Backward(k + 1)) ? Backward(k + 1) : Backward(k - 1) + 1;
                Index y = x - k;
                const Index x0 = x;
                const Index y0 = y;
                while (x < n && y < m && m_budget > 0 && Equal(a1 - 1 - x, b1 - 1 - y))
                    ++x, ++y;
                if (m_budget == 0)
                    return std::nullopt;
                Backward(k) = x;
                if (!odd && delta - k >= -d && delta - k <= d && x + Forward(delta - k) >= n)
                    return Snake{a1 - x, b1 - y, a1 - x0, b1 - y0};
            }
        }
        // Two non-empty ranges always meet within (n + m + 1) / 2 steps; should
        // they not, dropping the first row still ends the recursion.
        return Snake{a0 + 1, b0, a0 + 1, b0};
    }

    // Of the points that the paths of d steps from either end reached inside
    // the ranges, the one furthest from its end, as an empty run.
    Snake FurthestPoint(Index a0, Index a1, Index b0, Index b1, Index d)
    {
        const Index n = a1 - a0;
        const Index m = b1 - b0;
        Index best = 0;
        Snake point{a0 + 1, b0, a0 + 1, b0};
        auto consider = [&](Index x, Index y, Index x1, Index y1) {
            if (x < 0 || y < 0 || x > n || y > m || x + y >= n + m || x + y <= best)
                return;
            best = x + y;
            point = {x1, y1, x1, y1};
        };
        for (Index k = -d; k <= d; k += 2) {
            const Index x = Forward(k);
            consider(x, x - k, a0 + x, b0 + x - k);
            const Index back = Backward(k);
            consider(back, back - k, a1 - back, b1 - (back - k));
        }
        return point;
    }

    const RowEquality& m_equal;
    size_t& m_budget;
    Index m_center;
    std::vector<Index> m_forward;
    std::vector<Index> m_backward;
};

}

Alignment AlignRows(size_t n, size_t m, const RowEquality& equal, size_t& budget)
{
    Aligner aligner(n, m, equal, budget);
    aligner.Align(0, static_cast<Index>(n), 0, static_cast<Index>(m));
    return std::move(aligner.result);
}
