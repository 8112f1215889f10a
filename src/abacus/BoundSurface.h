#pragma once

#include "abacus/DrawingSurface.h"

// The abacus's stand-in for its window's surface. Rods and beads keep a
// reference to it; when the window's widgets go away the abacus unbinds it,
// and whatever an interrupted routine still draws goes nowhere.
class BoundSurface final : public DrawingSurface {
public:
    void bind(DrawingSurface* target) { m_target = target; }
    DrawingSurface* target() const { return m_target; }

    void setScale(double left, double top, double right, double bottom) override
    {
        if (m_target)
            m_target->setScale(left, top, right, bottom);
    }
    void setBackColor(std::int32_t colour) override
    {
        if (m_target)
            m_target->setBackColor(colour);
    }
    void clear() override
    {
        if (m_target)
            m_target->clear();
    }
    void setLineWidth(int pixels) override
    {
        if (m_target)
            m_target->setLineWidth(pixels);
    }
    void drawLine(float x1, float y1, float x2, float y2, std::int32_t colour) override
    {
        if (m_target)
            m_target->drawLine(x1, y1, x2, y2, colour);
    }
    void drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour) override
    {
        if (m_target)
            m_target->drawRectangle(x1, y1, x2, y2, colour);
    }

private:
    DrawingSurface* m_target = nullptr;
};
