#pragma once

#include "abacus/DrawingSurface.h"

// Swallows every drawing call: what a Draw costs in the model alone.
class NullSurface final : public DrawingSurface {
public:
    void setScale(double, double, double, double) override {}
    void setBackColor(std::int32_t) override {}
    void clear() override {}
    void setLineWidth(int) override {}
    void drawLine(float, float, float, float, std::int32_t) override {}
    void drawRectangle(float, float, float, float, std::int32_t) override {}
};
