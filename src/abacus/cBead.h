#pragma once

#include <cstdint>

class DrawingSurface;

// One bead: a diamond on its rod that sits at rest or at the beam, and that
// its rod may be sliding (MovingScale) during an animation.
class cBead {
public:
    float X() const { return m_X; }
    void setX(float x) { m_X = x; }
    float Y() const { return m_Y; }
    void setY(float y) { m_Y = y; }
    double iColor() const { return m_iColor; }
    void setIColor(double colour) { m_iColor = colour; }

    void Init(DrawingSurface* pic2, float x0, float y0);
    // dDy: animation offset; iColor2: a colour, or -1 to colour by state.
    void Draw(float dDy = 0, double iColor2 = -1);
    bool IsSelect(float y2) const;
    void SetNotSelect() { m_Selected = false; }
    std::int16_t Value() const { return m_Value; }
    void setValue(std::int16_t vNewValue);
    void setMovingScale(std::int16_t vNewValue) { m_MovingScale = vNewValue; }

private:
    double colourForThisDraw(double iColor2) const;
    void drawDiamond(float yc, std::int32_t colour);

    float m_X = 0;
    float m_Y = 0;
    double m_iColor = 0;
    float m_RestY = 0;
    float m_BeadHeight = 0;
    std::int16_t m_Value = 0;
    bool m_Selected = false;
    std::int16_t m_MovingScale = 0;
    DrawingSurface* m_Surface = nullptr;
};
