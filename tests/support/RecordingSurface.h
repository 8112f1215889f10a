#pragma once

#include "abacus/DrawingSurface.h"

#include <cstdint>
#include <vector>

// Keeps every call the abacus makes on its surface, in order.
class RecordingSurface final : public DrawingSurface {
public:
    enum class Kind { Scale, BackColor, Clear, LineWidth, Line, Rectangle };
    struct Call {
        Kind kind;
        double a = 0, b = 0, c = 0, d = 0;  // scale edges, or the two end points
        std::int32_t value = 0;             // colour or line width
    };

    void setScale(double left, double top, double right, double bottom) override
    {
        calls.push_back({Kind::Scale, left, top, right, bottom, 0});
    }
    void setBackColor(std::int32_t colour) override { calls.push_back({Kind::BackColor, 0, 0, 0, 0, colour}); }
    void clear() override { calls.push_back({Kind::Clear}); }
    void setLineWidth(int pixels) override { calls.push_back({Kind::LineWidth, 0, 0, 0, 0, pixels}); }
    void drawLine(float x1, float y1, float x2, float y2, std::int32_t colour) override
    {
        calls.push_back({Kind::Line, x1, y1, x2, y2, colour});
    }
    void drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour) override
    {
        calls.push_back({Kind::Rectangle, x1, y1, x2, y2, colour});
    }

    std::vector<Call> only(Kind kind) const
    {
        std::vector<Call> result;
        for (const Call& call : calls)
            if (call.kind == kind)
                result.push_back(call);
        return result;
    }
    int count(Kind kind) const { return static_cast<int>(only(kind).size()); }
    void reset() { calls.clear(); }

    std::vector<Call> calls;
};
