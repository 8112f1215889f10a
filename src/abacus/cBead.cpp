#include "abacus/cBead.h"

#include "abacus/Colours.h"
#include "abacus/DrawingSurface.h"
#include "abacus/NumberRange.h"
#include "abacus/ProgramWide.h"

#include <cmath>

namespace {

constexpr double HalfWidth = 8.5;
constexpr double HalfHeight = 4.8;
constexpr double FillStep = 0.1;
// The fill lines shift down by this factor, not by the edge slope, so the
// last one runs just below the lower-right edge.
constexpr double FillShift = 0.577350269;
constexpr float Travel = 20;

double randomPaletteColour()
{
    RandomSource& random = ProgramWide::BeadColours();
    // Reseeded before every bead: beads drawn in the same clock tick share a colour.
    random.Randomize();
    const double k = std::nearbyint(random.Rnd() * 4.0 + 1.0);
    if (k == 1)
        return Colours::Green;
    if (k == 3)
        return Colours::Yellow;
    if (k == 4)
        return Colours::Magenta;
    return Colours::Blue;
}

}  // namespace

void cBead::Init(DrawingSurface* pic2, float x0, float y0)
{
    m_Surface = pic2;
    m_BeadHeight = 9.8f;
    m_X = x0;
    m_Y = y0;
    m_RestY = y0;
    m_Value = 0;
    m_MovingScale = 0;
}

void cBead::Draw(float dDy, double iColor2)
{
    m_iColor = colourForThisDraw(iColor2);
    const float yc = static_cast<float>(m_MovingScale) * dDy + m_Y;
    if (m_MovingScale != 0)
        m_iColor = Colours::Blue;
    m_Surface->setLineWidth(2);
    if (ProgramWide::ColorfulBeads)
        m_iColor = randomPaletteColour();
    drawDiamond(yc, ColourToInt32(m_iColor));
}

double cBead::colourForThisDraw(double iColor2) const
{
    if (iColor2 != -1)
        return iColor2;
    return (m_Value == 1 || m_Value == 5) ? ProgramWide::CountColor : ProgramWide::RestColor;
}

void cBead::drawDiamond(float yc, std::int32_t colour)
{
    const double x = m_X;
    const double y = yc;
    const auto line = [this, colour](double x1, double y1, double x2, double y2) {
        m_Surface->drawLine(static_cast<float>(x1), static_cast<float>(y1),
                            static_cast<float>(x2), static_cast<float>(y2), colour);
    };
    line(x - HalfWidth, y, x, y + HalfHeight);
    line(x - HalfWidth, y, x, y - HalfHeight);
    line(x + HalfWidth, y, x, y + HalfHeight);
    line(x + HalfWidth, y, x, y - HalfHeight);
    for (double i = 0; i <= HalfWidth; i += FillStep) {
        const double t = i * FillShift;
        line(x - HalfWidth + i, y - t, x + i, y + HalfHeight - t);
    }
}

bool cBead::IsSelect(float y2) const
{
    const float low = static_cast<float>(static_cast<double>(m_Y) - m_BeadHeight / 2.0);
    const float high = static_cast<float>(static_cast<double>(m_Y) + m_BeadHeight / 2.0);
    return low <= y2 && y2 <= high;
}

void cBead::setValue(std::int16_t vNewValue)
{
    m_Value = vNewValue;
    if (vNewValue == 1)
        m_Y = m_RestY + Travel;
    else if (vNewValue == 5)
        m_Y = m_RestY - Travel;
    else
        m_Y = m_RestY;
}
