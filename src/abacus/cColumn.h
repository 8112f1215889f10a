#pragma once

#include "abacus/AbacusObserver.h"
#include "abacus/cBead.h"

#include <array>
#include <cstdint>

class cAbacus;
class DrawingSurface;

// One rod: four lower beads worth 1 and an upper bead worth 5, showing one digit.
class cColumn {
public:
    cAbacus* Abacus() const { return m_Abacus; }
    void setAbacus(cAbacus* abacus) { m_Abacus = abacus; }
    float X() const { return m_X; }
    void setX(float x) { m_X = x; }

    void Init(cAbacus* Abacus2, DrawingSurface* pic2, std::int16_t iIndex2, float x0);
    void Draw(double iColor2 = -1, float dy = -1);
    // Hover test; marks the rod when the pointer is over one of its beads.
    bool IsSelect(float x2, float y2);
    // Applies a click to the marked rod; false when this rod is not marked.
    bool MouseUp(float X, float Y);
    void setBeads(std::int16_t m_iNum);
    // The digit read from the beads; also refreshes m_iNum.
    std::int16_t Value();
    // The same reading, leaving m_iNum alone: for onlookers such as a screen reader.
    std::int16_t ShownDigit() const;
    // The digit as last set, which a click goes by: outside 0 to 9 (a negative
    // number put on the rods) no click changes it.
    std::int16_t StoredDigit() const { return m_iNum; }
    void setValue(std::int16_t iNum);

    // The animated changes below return false when the animation was cut
    // short (the program is ending, or the board was rebuilt or put away
    // during a wait); this rod may no longer exist then, so the caller must
    // stop without touching it.

    // iFromNum of -1 starts from the rod's digit and writes it back.
    [[nodiscard]] bool AddNum(std::int16_t& iFromNum, std::int16_t iNum = 0);
    // Adds the carry (1) or borrow (-1) of the rod on the right to this rod's digit.
    [[nodiscard]] bool AddCarry(std::int16_t iOne);
    [[nodiscard]] bool ChangeNum(std::int16_t iFromNum, std::int16_t iToNum);
    void SetMovingScaleToZero();

    // Slot 1 is the lower bead nearest the beam, slot 4 the farthest, slot 5 the upper bead.
    const cBead& Bead(int slot) const { return m_Beads.at(slot - 1); }

private:
    cBead& bead(int slot) { return m_Beads.at(slot - 1); }
    [[nodiscard]] bool addDigit(std::int16_t iFromNum, std::int16_t iNum, RodStep::Kind kind);
    // Animates the change and tells the abacus's observers as it starts.
    [[nodiscard]] bool move(std::int16_t iFromNum, std::int16_t iToNum, RodStep::Kind kind, std::int16_t iNum);
    void markMovingBeads(std::int16_t iFromNum, std::int16_t iToNum);
    [[nodiscard]] bool AnimateBeads();

    cAbacus* m_Abacus = nullptr;
    float m_X = 0;
    std::int16_t m_iIndex = 0;
    float m_RodWidth = 0;
    std::array<cBead, 5> m_Beads;
    std::int16_t m_iNum = 0;
    bool m_Selected = false;
    DrawingSurface* m_Surface = nullptr;
};
