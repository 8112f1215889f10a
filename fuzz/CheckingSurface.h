#pragma once

#include "abacus/DrawingSurface.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

// A surface that draws nothing and stops the run at the first call a real
// picture could not honour: a scale that is empty or upside down, a line
// width below one pixel, a coordinate that is not a number.
class CheckingSurface final : public DrawingSurface {
public:
    // The abacus draws a bead at its height plus the offset it is given; a
    // script that passes a non-finite offset gets what it asked for.
    bool allowNonFinite = false;
    long calls = 0;

    void setScale(double left, double top, double right, double bottom) override
    {
        ++calls;
        if (!(left < right && bottom < top) || !std::isfinite(right) || !std::isfinite(top))
            Fail("user scale");
    }
    void setBackColor(std::int32_t) override { ++calls; }
    void clear() override { ++calls; }
    void setLineWidth(int pixels) override
    {
        ++calls;
        if (pixels < 1)
            Fail("line width");
    }
    void drawLine(float x1, float y1, float x2, float y2, std::int32_t) override { CheckPoints(x1, y1, x2, y2); }
    void drawRectangle(float x1, float y1, float x2, float y2, std::int32_t) override { CheckPoints(x1, y1, x2, y2); }

private:
    void CheckPoints(float x1, float y1, float x2, float y2)
    {
        ++calls;
        const bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
        if (!finite && !allowNonFinite)
            Fail("coordinate");
    }
    [[noreturn]] static void Fail(const char* what)
    {
        std::fprintf(stderr, "the abacus drew with an impossible %s\n", what);
        std::abort();
    }
};
