#include "abacus/cAbacus.h"

#include "abacus/Colours.h"
#include "abacus/NumberRange.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float RodSpacing = 30;
constexpr float FrameBottom = 9.5f;
constexpr float FrameTop = 100.5f;
constexpr float BeamHeight = 70;
constexpr float FrameLeft = 10;
constexpr int DigitsOfChangeNum = 5;

// The units digit of x, from its rounding, with the sign of x; x loses that
// digit (floor division). Precondition: x is in the abacus's range.
std::int16_t takeUnitsDigit(double& x)
{
    const auto digit = static_cast<std::int16_t>(RoundToInt32(x) % 10);
    x = std::floor(x / 10);
    return digit;
}

}  // namespace

void cAbacus::Init(DrawingSurface* pic2, std::int16_t iCols)
{
    m_Surface.bind(pic2);
    setCols(iCols);
}

void cAbacus::setCols(std::int16_t iNewValue)
{
    const auto cols = std::clamp<std::int16_t>(iNewValue, 1, MaxCols);
    m_LastCol = static_cast<std::int16_t>(cols - 1);
    ++m_boardGeneration;
    m_Columns.assign(cols, cColumn());
    m_Surface.setBackColor(Colours::Black);
    m_Surface.setScale(-1, topEdge(m_LastCol), RodSpacing * m_LastCol + 70, -1);
    for (std::int16_t i = 0; i <= m_LastCol; ++i)
        m_Columns[i].Init(this, &m_Surface, i, RodSpacing * i + RodSpacing);
    tellNumberChanged();
}

void cAbacus::addObserver(AbacusObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void cAbacus::removeObserver(AbacusObserver* observer) { std::erase(m_observers, observer); }

void cAbacus::tellNumberChanged() const
{
    tellObservers([this](AbacusObserver& observer) { observer.NumberChanged(*this); });
}

void cAbacus::tellRodStarts(const RodStep& step) const
{
    tellObservers([this, &step](AbacusObserver& observer) { observer.RodStarts(*this, step); });
}

void cAbacus::TellSum(double before, double addend) const
{
    AbacusSum sum{before, addend, ShownNumber(), {}};
    for (const cColumn& column : m_Columns)
        sum.shownDigits += static_cast<char>('0' + column.ShownDigit());
    tellObservers([this, &sum](AbacusObserver& observer) { observer.SumDone(*this, sum); });
}

std::int16_t cAbacus::topEdge(std::int16_t lastCol)
{
    if (lastCol <= 6)
        return 121;
    if (lastCol <= 11)
        return static_cast<std::int16_t>(18 * lastCol + 2);
    return static_cast<std::int16_t>(15 * lastCol + 2);
}

float cAbacus::rightFrameEdge() const { return RodSpacing * m_LastCol + 50; }

bool cAbacus::InRange(double n) { return FitsInt32(n) && FitsInt32(-n); }

void cAbacus::Detach()
{
    m_Surface.bind(nullptr);
    ++m_boardGeneration;
    tellObservers([this](AbacusObserver& observer) { observer.Detached(*this); });
}

void cAbacus::DetachFrom(const DrawingSurface* surface)
{
    if (m_Surface.target() == surface)
        Detach();
}

void cAbacus::DrawKuang()
{
    m_Surface.clear();
    m_Surface.setLineWidth(3);
    for (int i = 0; i <= m_LastCol; ++i) {
        const float x = RodSpacing * static_cast<float>(i + 1);
        m_Surface.drawLine(x, FrameBottom, x, FrameTop, Colours::Green);
    }
    m_Surface.drawLine(FrameLeft, BeamHeight, rightFrameEdge(), BeamHeight, Colours::Red);
    m_Surface.setLineWidth(5);
    m_Surface.drawRectangle(FrameLeft, FrameBottom, rightFrameEdge(), FrameTop, Colours::Red);
    m_Surface.setLineWidth(2);
}

void cAbacus::Draw(double iNum, float dy)
{
    if (iNum != -1 && !InRange(iNum))
        return;
    m_Surface.clear();
    DrawKuang();
    if (iNum != -1)
        setValue(iNum);  // a copy: the caller's number is not consumed
    for (cColumn& column : m_Columns)
        column.Draw(-1, dy);
}

void cAbacus::Cls()
{
    DrawKuang();
    Draw(0);
}

double cAbacus::Value()
{
    double v = 0;
    for (cColumn& column : m_Columns)
        v = v * 10 + column.Value();
    return v;
}

cAbacus::Area cAbacus::RodArea(int index) const
{
    // Wider than a bead (17), narrower than the space between two rods.
    constexpr float HalfWidth = 13;
    const float x = m_Columns.at(index).X();
    return {x - HalfWidth, FrameBottom, x + HalfWidth, FrameTop};
}

double cAbacus::ShownNumber() const
{
    double v = 0;
    for (const cColumn& column : m_Columns)
        v = v * 10 + column.ShownDigit();
    return v;
}

void cAbacus::setValue(double& iNum)
{
    if (!InRange(iNum))
        return;
    for (int i = m_LastCol; i >= 0; --i)
        m_Columns[i].setValue(takeUnitsDigit(iNum));
    tellNumberChanged();
}

void cAbacus::SetRodDigit(int index, std::int16_t digit)
{
    if (index < 0 || index > m_LastCol)
        return;
    m_Columns[index].setValue(digit);
    tellNumberChanged();
    Draw(-1, -1);
}

bool cAbacus::IsSelect(float X, float Y)
{
    for (cColumn& column : m_Columns) {
        if (column.IsSelect(X, Y))
            return true;
    }
    return false;
}

void cAbacus::MouseUp(float X, float Y)
{
    for (cColumn& column : m_Columns) {
        if (column.MouseUp(X, Y)) {
            tellNumberChanged();
            break;
        }
    }
    Draw(-1, -1);
}

bool cAbacus::AddNum(double& iFromNum, double& iNum)
{
    if (!InRange(iFromNum) || !InRange(iNum))
        return true;
    const int cols = Cols();
    std::vector<std::int16_t> fromDigits(cols);
    std::vector<std::int16_t> addDigits(cols);
    for (int i = cols - 1; i >= 0; --i)
        fromDigits[i] = takeUnitsDigit(iFromNum);
    const bool subtracting = iNum < 0;
    if (subtracting)
        iNum = -iNum;
    for (int i = cols - 1; i >= 0; --i) {
        const std::int16_t digit = takeUnitsDigit(iNum);
        addDigits[i] = subtracting ? static_cast<std::int16_t>(-digit) : digit;
    }
    const bool fromShown = iFromNum == -1;
    if (fromShown)
        iFromNum = Value();
    // Rods are handled from the left, so a carry lands in a rod already done.
    for (int j = 0; j < cols; ++j) {
        std::int16_t from = fromShown ? std::int16_t(-1) : fromDigits[j];
        if (!m_Columns[j].AddNum(from, addDigits[j]))
            return false;
    }
    return true;
}

bool cAbacus::ChangeNum(double iFromNum, double iToNum)
{
    if (!InRange(iFromNum) || !InRange(iToNum))
        return true;
    const int rods = std::min<int>(DigitsOfChangeNum, Cols());
    for (int j = 0; j < rods; ++j) {
        const double scale = std::pow(10.0, DigitsOfChangeNum - 1 - j);
        const auto from = static_cast<std::int16_t>(std::fmod(std::floor(iFromNum / scale), 10));
        const auto to = static_cast<std::int16_t>(std::fmod(std::floor(iToNum / scale), 10));
        if (!m_Columns[j].ChangeNum(from, to))
            return false;
    }
    return true;
}

bool cAbacus::JinWei(std::int16_t iIndex)
{
    if (iIndex < 1 || iIndex > m_LastCol)
        return true;
    return m_Columns[iIndex - 1].AddCarry(1);
}

bool cAbacus::TuiWei(std::int16_t iIndex)
{
    if (iIndex < 1 || iIndex > m_LastCol)
        return true;
    return m_Columns[iIndex - 1].AddCarry(-1);
}

void cAbacus::SetMovingScaleToZero()
{
    for (cColumn& column : m_Columns)
        column.SetMovingScaleToZero();
}
