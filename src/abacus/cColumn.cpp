#include "abacus/cColumn.h"

#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"

namespace {

constexpr int BeadCount = 5;
constexpr int UpperSlot = 5;
constexpr float RestHeights[BeadCount] = {45, 35, 25, 15, 95};
constexpr int FramesPerMove = 20;
constexpr int FrameMilliseconds = 50;

// The digit after a click on bead slot 1 to 5, for each digit before.
constexpr std::int16_t ClickTable[10][BeadCount] = {
    {1, 2, 3, 4, 5}, {0, 2, 3, 4, 6}, {0, 1, 3, 4, 7}, {0, 1, 2, 4, 8}, {0, 1, 2, 3, 9},
    {6, 7, 8, 9, 0}, {5, 7, 8, 9, 1}, {5, 6, 8, 9, 2}, {5, 6, 7, 9, 3}, {5, 6, 7, 8, 4},
};

bool isDigit(std::int16_t n) { return n >= 0 && n <= 9; }
bool lowerBeadAtBeam(std::int16_t digit, int slot) { return slot <= digit % 5; }
bool upperBeadAtBeam(std::int16_t digit) { return digit >= 5; }

}  // namespace

void cColumn::Init(cAbacus* Abacus2, DrawingSurface* pic2, std::int16_t iIndex2, float x0)
{
    m_Abacus = Abacus2;
    m_Surface = pic2;
    m_RodWidth = 17;
    m_iIndex = iIndex2;
    m_X = x0;
    for (int slot = 1; slot <= BeadCount; ++slot)
        bead(slot).Init(pic2, x0, RestHeights[slot - 1]);
    m_iNum = 0;
}

void cColumn::Draw(double iColor2, float dy)
{
    for (cBead& b : m_Beads)
        b.Draw(dy, iColor2);
}

bool cColumn::IsSelect(float x2, float y2)
{
    const float low = static_cast<float>(static_cast<double>(m_X) - m_RodWidth / 2.0);
    const float high = static_cast<float>(static_cast<double>(m_X) + m_RodWidth / 2.0);
    bool found = false;
    if (x2 < low || x2 > high) {
        for (cBead& b : m_Beads)
            b.SetNotSelect();
    } else {
        for (const cBead& b : m_Beads) {
            if (b.IsSelect(y2)) {
                found = true;
                break;
            }
        }
    }
    m_Selected = found;
    return found;
}

bool cColumn::MouseUp(float, float Y)
{
    if (!m_Selected)
        return false;
    if (isDigit(m_iNum)) {
        for (int slot = 1; slot <= BeadCount; ++slot) {
            if (bead(slot).IsSelect(Y)) {
                m_iNum = ClickTable[m_iNum][slot - 1];
                break;
            }
        }
    }
    setBeads(m_iNum);
    return true;
}

void cColumn::setBeads(std::int16_t digit)
{
    for (cBead& b : m_Beads)
        b.setValue(0);
    if (digit < 1 || digit > 9)
        return;
    for (int slot = 1; slot <= digit % 5; ++slot)
        bead(slot).setValue(1);
    if (upperBeadAtBeam(digit))
        bead(UpperSlot).setValue(5);
}

std::int16_t cColumn::Value()
{
    m_iNum = ShownDigit();
    return m_iNum;
}

std::int16_t cColumn::ShownDigit() const
{
    std::int16_t digit = 0;
    for (const cBead& b : m_Beads)
        digit = static_cast<std::int16_t>(digit + b.Value());
    return digit;
}

void cColumn::setValue(std::int16_t iNum)
{
    m_iNum = iNum;
    setBeads(m_iNum);
}

bool cColumn::AddNum(std::int16_t& iFromNum, std::int16_t iNum)
{
    if (iFromNum == -1)
        iFromNum = Value();
    return addDigit(iFromNum, iNum, RodStep::Kind::Digit);
}

bool cColumn::AddCarry(std::int16_t iOne) { return addDigit(Value(), iOne, RodStep::Kind::Carry); }

bool cColumn::addDigit(std::int16_t iFromNum, std::int16_t iNum, RodStep::Kind kind)
{
    const auto sum = static_cast<std::int16_t>(iFromNum + iNum);
    // Only a digit added to a digit follows a bead rule.
    if (!isDigit(iFromNum) || iNum < -9 || iNum > 9)
        kind = RodStep::Kind::Set;
    if (sum > 9)
        return move(iFromNum, static_cast<std::int16_t>(sum - 10), kind, iNum) && m_Abacus->JinWei(m_iIndex);
    // A rod that would go below 0 borrows ten from the rod on its left.
    if (sum < 0)
        return move(iFromNum, static_cast<std::int16_t>(sum + 10), kind, iNum) && m_Abacus->TuiWei(m_iIndex);
    return move(iFromNum, sum, kind, iNum);
}

bool cColumn::ChangeNum(std::int16_t iFromNum, std::int16_t iToNum)
{
    return move(iFromNum, iToNum, RodStep::Kind::Set, 0);
}

bool cColumn::move(std::int16_t iFromNum, std::int16_t iToNum, RodStep::Kind kind, std::int16_t iNum)
{
    SetMovingScaleToZero();
    if (iFromNum == iToNum)
        return true;
    // A digit outside 0 to 9 leaves every bead at rest, which shows 0.
    m_Abacus->tellRodStarts({kind, m_Abacus->Cols() - 1 - m_iIndex, iFromNum, iNum, isDigit(iToNum) ? iToNum : 0});
    if (isDigit(iFromNum) && isDigit(iToNum))
        markMovingBeads(iFromNum, iToNum);
    if (!AnimateBeads())
        return false;
    m_iNum = iToNum;
    setBeads(iToNum);
    m_Abacus->tellNumberChanged();
    return true;
}

void cColumn::markMovingBeads(std::int16_t iFromNum, std::int16_t iToNum)
{
    for (int slot = 1; slot < UpperSlot; ++slot) {
        const bool before = lowerBeadAtBeam(iFromNum, slot);
        const bool after = lowerBeadAtBeam(iToNum, slot);
        if (before != after)
            bead(slot).setMovingScale(after ? 1 : -1);
    }
    if (upperBeadAtBeam(iFromNum) != upperBeadAtBeam(iToNum))
        bead(UpperSlot).setMovingScale(upperBeadAtBeam(iToNum) ? -1 : 1);
}

bool cColumn::AnimateBeads()
{
    // Every wait runs other event routines, which may rebuild or put away the
    // board and so free this rod: only locals are used after a wait.
    cAbacus* abacus = m_Abacus;
    const auto board = abacus->BoardGeneration();
    for (int frame = 1; frame <= FramesPerMove; ++frame) {
        abacus->Draw(-1, static_cast<float>(frame));
        if (!ProgramWide::Wait().Delay(FrameMilliseconds) || abacus->BoardGeneration() != board)
            return false;
    }
    SetMovingScaleToZero();
    return true;
}

void cColumn::SetMovingScaleToZero()
{
    for (cBead& b : m_Beads)
        b.setMovingScale(0);
}
