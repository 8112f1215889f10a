#pragma once

#include "abacus/AbacusObserver.h"
#include "abacus/BoundSurface.h"
#include "abacus/cColumn.h"

#include <cstdint>
#include <vector>

// The whole abacus a window shows: rods in a frame on one drawing surface,
// rod 0 holding the highest digit and the last rod the units digit.
class cAbacus {
public:
    // An area in the abacus's user units (y grows upward).
    struct Area {
        float left, bottom, right, top;
    };

    static constexpr std::int16_t MaxCols = 21;

    cAbacus() = default;
    // Its rods point back at it and at its surface: a copy would draw through the original.
    cAbacus(const cAbacus&) = delete;
    cAbacus& operator=(const cAbacus&) = delete;

    void Init(DrawingSurface* pic2, std::int16_t iCols = 5);

    // Animated changes; false when cut short (see cColumn).
    [[nodiscard]] bool ChangeNum(double iFromNum, double iToNum);
    // Carries one into the rod left of rod iIndex.
    [[nodiscard]] bool JinWei(std::int16_t iIndex);
    // Borrows one from the rod left of rod iIndex.
    [[nodiscard]] bool TuiWei(std::int16_t iIndex);
    // Both by reference and consumed; iFromNum of -1 starts from the number shown.
    [[nodiscard]] bool AddNum(double& iFromNum, double& iNum);

    bool IsSelect(float X, float Y);
    void MouseUp(float X, float Y);
    void Cls();
    double Value();
    // The same reading, leaving the rods' digits alone: for onlookers.
    double ShownNumber() const;
    // iNum is consumed: it ends holding the part that did not fit on the rods.
    void setValue(double& iNum);
    void Draw(double iNum = -1, float dy = -1);
    void DrawKuang();
    void SetMovingScaleToZero();
    std::int16_t Cols() const { return static_cast<std::int16_t>(m_LastCol + 1); }
    void setCols(std::int16_t iNewValue);

    // The numbers the abacus computes with: whole numbers from -2147483647 to
    // 2147483647 after rounding. Windows check typed numbers with this before
    // passing them on; anything else given to setValue, Draw or AddNum changes nothing.
    static bool InRange(double n);

    // The window's widgets are going away: draw nothing more and end any
    // animation of this abacus at its next frame.
    void Detach();
    // As Detach, but only while the abacus still draws on `surface`: a window
    // opened again before its old widgets are deleted keeps its new picture.
    void DetachFrom(const DrawingSurface* surface);
    // Observers are told of every rod's move, every change of the number
    // shown, every sum a window tells and Detach. Adding one twice adds it once.
    void addObserver(AbacusObserver* observer);
    void removeObserver(AbacusObserver* observer);
    // A window has played before + addend and is done with it: tells the
    // observers, with what the rods now show.
    void TellSum(double before, double addend) const;
    // Sets rod `index` (0 the leftmost) to `digit` at once, as a click on its
    // beads does, and redraws.
    void SetRodDigit(int index, std::int16_t digit);
    // Changes whenever the rods are rebuilt or the surface is put away.
    unsigned BoardGeneration() const { return m_boardGeneration; }
    const cColumn& Column(int index) const { return m_Columns.at(index); }
    // Rod `index` with its beads, over the frame's height.
    Area RodArea(int index) const;

private:
    // The rods tell of their own moves through these.
    friend class cColumn;
    template <typename Tell>
    void tellObservers(Tell tell) const
    {
        // A copy: an observer may add or remove observers while it is told.
        const std::vector<AbacusObserver*> observers = m_observers;
        for (AbacusObserver* observer : observers)
            tell(*observer);
    }
    void tellRodStarts(const RodStep& step) const;
    void tellNumberChanged() const;

    static std::int16_t topEdge(std::int16_t lastCol);
    float rightFrameEdge() const;

    BoundSurface m_Surface;
    std::vector<cColumn> m_Columns;
    std::int16_t m_LastCol = -1;
    unsigned m_boardGeneration = 0;
    std::vector<AbacusObserver*> m_observers;
};
