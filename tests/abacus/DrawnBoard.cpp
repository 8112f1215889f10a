#include "DrawnBoard.h"

using Kind = RecordingSurface::Kind;

DrawnBoard::DrawnBoard(const std::vector<RecordingSurface::Call>& calls)
{
    std::vector<RecordingSurface::Call> beadLines;
    std::int32_t width = 0;
    for (const RecordingSurface::Call& call : calls) {
        if (call.kind == Kind::LineWidth)
            width = call.value;
        else if (call.kind == Kind::Line && width == 2)
            beadLines.push_back(call);
    }
    m_wellFormed = beadLines.size() % LinesPerBead == 0;
    for (std::size_t first = 0; m_wellFormed && first < beadLines.size(); first += LinesPerBead) {
        const RecordingSurface::Call& corner = beadLines[first];
        for (std::size_t i = first; i < first + LinesPerBead; ++i)
            m_wellFormed = m_wellFormed && beadLines[i].value == corner.value;
        m_beads.push_back({static_cast<float>(corner.c), static_cast<float>(corner.b), corner.value});
    }
}

float DrawnBoard::Height(int digit, int slot)
{
    if (slot == 5)
        return digit >= 5 ? 75.0f : 95.0f;
    const float rest = 45.0f - 10.0f * static_cast<float>(slot - 1);
    return slot <= digit % 5 ? rest + 20 : rest;
}

int DrawnBoard::digit(int rod) const
{
    int digit = bead(rod, 5).y < 85 ? 5 : 0;
    for (int slot = 1; slot <= 4; ++slot) {
        const float rest = 45.0f - 10.0f * static_cast<float>(slot - 1);
        if (bead(rod, slot).y > rest + 10)
            ++digit;
    }
    return digit;
}

std::vector<int> DrawnBoard::movingRods() const
{
    std::vector<int> rods;
    for (int rod = 0; rod < beadCount() / 5; ++rod) {
        for (int slot = 1; slot <= 5; ++slot) {
            if (bead(rod, slot).colour == MovingBlue) {
                rods.push_back(rod);
                break;
            }
        }
    }
    return rods;
}
