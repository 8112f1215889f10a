#pragma once

#include <cstdint>

// What the abacus needs from the picture it draws on. Positions are in the
// abacus's own user units (y grows upward); colours are 0x00BBGGRR values.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Maps the user scale onto the whole drawable area, each axis on its own.
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    virtual void setBackColor(std::int32_t colour) = 0;
    virtual void clear() = 0;
    // Width in screen pixels, whatever the user scale.
    virtual void setLineWidth(int pixels) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, std::int32_t colour) = 0;
    virtual void drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour) = 0;
};
