#include "AbacusSession.h"

#include "abacus/ProgramWide.h"
#include "abacus/StepText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

enum class Op { Init, SetCols, SetValue, Draw, AddNum, ChangeNum, JinWei, TuiWei, Click, Cls, ReadValue, Detach, Colours, Count };

// Enough for several animations with waits that run operations of their own;
// more would only make each run slower, not reach new states.
constexpr int MaxSteps = 64;
// Every frame redraws the whole board; past this many the program "ends",
// which keeps a run short without losing a kind of state.
constexpr int MaxFrames = 300;
// Values up to 10^15 and their sums stay exact in a double.
constexpr int ExactCols = 15;
// A byte below this in a wait disturbs it; half of those end the program.
constexpr std::uint8_t Disturbing = 16;
constexpr std::uint8_t Ending = 8;

// The user scale of the widest abacus, with a margin: pointer positions.
constexpr double LeftEdge = -10;
constexpr double RightEdge = 700;
constexpr double BottomEdge = -10;
constexpr double TopEdge = 131;
// Where beads are, so that clicks land on them and around their edges often
// enough: rods every 30 units, beads 17 wide and 9.8 high at these heights.
constexpr double RodSpacing = 30;
constexpr double BeadHeights[] = {15, 25, 35, 45, 55, 65, 75, 95};
constexpr double AroundRod = 10;
constexpr double AroundBead = 6;
// Animation offsets: whole frames in the program, anything here.
constexpr double LeastOffset = -2;
constexpr double MostOffset = 22;

bool Whole(double x) { return std::isfinite(x) && x == std::trunc(x); }

double PositiveMod(double x, double m) { return std::fmod(std::fmod(x, m) + m, m); }

bool SameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

AbacusSession::AbacusSession(ByteStream& bytes) : m_bytes(bytes)
{
    ProgramWide::SetWaiter(*this);
    m_abacus.addObserver(this);
}

AbacusSession::~AbacusSession() { ProgramWide::ResetToDefaults(); }

void AbacusSession::Run()
{
    while (!m_bytes.AtEnd() && m_steps < MaxSteps)
        Step();
}

bool AbacusSession::Delay(int)
{
    if (++m_frames > MaxFrames) {
        ++m_disturbances;
        return false;
    }
    if (m_bytes.AtEnd())
        return true;
    const std::uint8_t choice = m_bytes.Byte();
    if (choice >= Disturbing)
        return true;
    ++m_disturbances;
    if (choice < Ending)
        return false;
    if (m_depth == 0 && m_steps < MaxSteps) {
        ++m_depth;
        Step();
        --m_depth;
    }
    return true;
}

void AbacusSession::RodStarts(const cAbacus& abacus, const RodStep& step)
{
    Expect(step.place >= 0 && step.place < abacus.Cols() && step.to >= 0 && step.to <= 9, "a step names a rod and a digit");
    // A bead rule is named only for a digit added to or taken from a digit.
    const bool oneDigit = step.from >= 0 && step.from <= 9 && step.change != 0 && std::abs(step.change) <= 9;
    Expect(step.kind == RodStep::Kind::Set || oneDigit, "a rule is named only for one digit");
    Expect(!StepLine(step).empty(), "every step is said");
}

void AbacusSession::SumDone(const cAbacus& abacus, const AbacusSum& sum)
{
    const bool whatTheRodsShow = sum.shown == abacus.ShownNumber()
        && sum.shownDigits.size() == static_cast<std::size_t>(abacus.Cols());
    Expect(whatTheRodsShow && !SumLine(sum).empty(), "a sum line says what the rods show");
}

void AbacusSession::Step()
{
    ++m_steps;
    switch (static_cast<Op>(m_bytes.Byte() % static_cast<int>(Op::Count))) {
    case Op::Init: Init(); break;
    case Op::SetCols: m_abacus.setCols(m_bytes.Int16()); break;
    case Op::SetValue: SetValue(); break;
    case Op::Draw: Draw(); break;
    case Op::AddNum: AddNum(); break;
    case Op::ChangeNum: ChangeNum(); break;
    case Op::JinWei: Carry(true); break;
    case Op::TuiWei: Carry(false); break;
    case Op::Click: Click(); break;
    case Op::Cls: Cls(); break;
    case Op::ReadValue: ReadValue(); break;
    case Op::Detach: Detach(); break;
    case Op::Colours:
        ProgramWide::RestColor = m_bytes.Number();
        ProgramWide::CountColor = m_bytes.Number();
        ProgramWide::ColorfulBeads = (m_bytes.Byte() & 1) != 0;
        break;
    case Op::Count: break;
    }
    CheckBoard();
}

void AbacusSession::Init()
{
    const std::int16_t cols = m_bytes.Int16();
    m_abacus.Init(&m_surface, cols);
    m_detached = false;
    Expect(m_abacus.Cols() == std::clamp<int>(cols, 1, cAbacus::MaxCols), "Init builds 1 to 21 rods");
}

void AbacusSession::SetValue()
{
    const double n = m_bytes.Number();
    const std::vector<int> before = Digits();
    double consumed = n;
    m_abacus.setValue(consumed);
    if (!cAbacus::InRange(n)) {
        Expect(Digits() == before && SameNumber(consumed, n), "setValue out of range changes nothing");
    } else if (Whole(n) && n >= 0) {
        Expect(Shown() == std::fmod(n, Modulus()), "setValue shows the low digits");
        Expect(consumed == std::floor(n / Modulus()), "setValue leaves the digits that did not fit");
    } else if (n < 0) {
        Expect(Shown() == 0, "a negative number shows every rod at rest");
    }
}

void AbacusSession::Draw()
{
    const double n = m_bytes.Number();
    const float dy = m_bytes.Coordinate(LeastOffset, MostOffset);
    const std::vector<int> before = Digits();
    m_surface.allowNonFinite = !std::isfinite(dy);
    m_abacus.Draw(n, dy);
    m_surface.allowNonFinite = false;
    if (n == -1 || !cAbacus::InRange(n))
        Expect(Digits() == before, "Draw keeps the number when given -1 or one out of range");
    else if (Whole(n) && n >= 0)
        Expect(Shown() == std::fmod(n, Modulus()), "Draw shows the number given");
}

void AbacusSession::AddNum()
{
    const double from = m_bytes.Number();
    const double n = m_bytes.Number();
    const std::vector<int> before = Digits();
    const double start = from == -1 ? Shown() : from;
    const unsigned disturbances = m_disturbances;
    double fromCopy = from;
    double nCopy = n;
    const bool finished = m_abacus.AddNum(fromCopy, nCopy);
    if (!cAbacus::InRange(from) || !cAbacus::InRange(n)) {
        Expect(finished && Digits() == before, "AddNum out of range changes nothing");
        return;
    }
    if (finished)
        m_abacus.TellSum(start, n);
    if (!Undisturbed(disturbances) || m_abacus.Cols() > ExactCols || !Whole(n) || start != Shown(before))
        return;
    // Digits beyond the leftmost rod are dropped, and so is a final carry or borrow.
    const double added = std::copysign(std::fmod(std::abs(n), Modulus()), n);
    Expect(finished, "an undisturbed AddNum finishes");
    Expect(Shown() == PositiveMod(start + added, Modulus()), "AddNum adds");
}

void AbacusSession::ChangeNum()
{
    const double from = m_bytes.Number();
    const double to = m_bytes.Number();
    const std::vector<int> before = Digits();
    const unsigned disturbances = m_disturbances;
    const bool finished = m_abacus.ChangeNum(from, to);
    if (!cAbacus::InRange(from) || !cAbacus::InRange(to)) {
        Expect(finished && Digits() == before, "ChangeNum out of range changes nothing");
        return;
    }
    // ChangeNum works on five rods, from the digit each rod is said to show.
    const bool checkable = m_abacus.Cols() == 5 && from == Shown(before) && Whole(to) && to >= 0 && to < 100000;
    if (Undisturbed(disturbances) && checkable)
        Expect(finished && Shown() == to, "ChangeNum shows the new number");
}

void AbacusSession::Carry(bool up)
{
    const std::int16_t index = m_bytes.Int16();
    const double start = Shown();
    const unsigned disturbances = m_disturbances;
    const bool finished = up ? m_abacus.JinWei(index) : m_abacus.TuiWei(index);
    const int cols = m_abacus.Cols();
    if (!Undisturbed(disturbances) || cols > ExactCols)
        return;
    // Rod index - 1 receives the carry; a rod outside the board gives nothing.
    const double place = index >= 1 && index < cols ? std::pow(10.0, cols - index) : 0;
    Expect(finished, "an undisturbed carry finishes");
    Expect(Shown() == PositiveMod(start + (up ? place : -place), Modulus()), "a carry adds one to the rod on the left");
}

void AbacusSession::Click()
{
    const float x = PointerX();
    const float y = PointerY();
    const std::vector<int> before = Digits();
    if (m_bytes.Byte() % 2 == 0) {
        m_abacus.IsSelect(x, y);
        Expect(Digits() == before, "hovering changes no digit");
        return;
    }
    m_abacus.MouseUp(x, y);
    const std::vector<int> after = Digits();
    int changed = 0;
    for (std::size_t rod = 0; rod < after.size(); ++rod) {
        if (after[rod] == before[rod])
            continue;
        ++changed;
        // One bead is clicked: the upper bead moves, or some lower beads, never both.
        const bool upperMoved = after[rod] / 5 != before[rod] / 5;
        const bool lowerMoved = after[rod] % 5 != before[rod] % 5;
        Expect(upperMoved != lowerMoved, "a click moves the upper bead or lower beads");
    }
    Expect(changed <= 1, "a click changes one rod at most");
}

float AbacusSession::PointerX()
{
    if (m_bytes.Byte() % 2 == 0)
        return m_bytes.Coordinate(LeftEdge, RightEdge);
    const double rod = RodSpacing * (m_bytes.Byte() % cAbacus::MaxCols + 1);
    return static_cast<float>(rod + m_bytes.Coordinate(-AroundRod, AroundRod));
}

float AbacusSession::PointerY()
{
    if (m_bytes.Byte() % 2 == 0)
        return m_bytes.Coordinate(BottomEdge, TopEdge);
    const double bead = BeadHeights[m_bytes.Byte() % std::size(BeadHeights)];
    return static_cast<float>(bead + m_bytes.Coordinate(-AroundBead, AroundBead));
}

void AbacusSession::Cls()
{
    m_abacus.Cls();
    Expect(Shown() == 0, "Cls shows 0");
}

void AbacusSession::ReadValue()
{
    const double expected = Shown();
    Expect(m_abacus.Value() == expected, "Value reads the beads");
}

void AbacusSession::Detach()
{
    m_abacus.Detach();
    m_detached = true;
    m_callsAtDetach = m_surface.calls;
}

std::vector<int> AbacusSession::Digits() const
{
    std::vector<int> digits;
    for (int rod = 0; rod < m_abacus.Cols(); ++rod) {
        const cColumn& column = m_abacus.Column(rod);
        int digit = 0;
        for (int slot = 1; slot <= 5; ++slot)
            digit += column.Bead(slot).Value();
        digits.push_back(digit);
    }
    return digits;
}

double AbacusSession::Shown() const { return Shown(Digits()); }

double AbacusSession::Shown(const std::vector<int>& digits)
{
    double v = 0;
    for (const int digit : digits)
        v = v * 10 + digit;
    return v;
}

double AbacusSession::Modulus() const { return std::pow(10.0, m_abacus.Cols()); }

void AbacusSession::Expect(bool condition, const char* what) const
{
    if (condition)
        return;
    std::fprintf(stderr, "broken after %d operations: %s\n", m_steps, what);
    std::abort();
}

// Every rod shows a digit: the lower beads at the beam are the ones nearest
// it, the upper bead is at rest or at the beam, nothing else.
void AbacusSession::CheckBoard()
{
    Expect(m_abacus.Cols() >= 0 && m_abacus.Cols() <= cAbacus::MaxCols, "1 to 21 rods");
    for (int rod = 0; rod < m_abacus.Cols(); ++rod) {
        const cColumn& column = m_abacus.Column(rod);
        bool atBeam = true;
        for (int slot = 1; slot <= 4; ++slot) {
            const int value = column.Bead(slot).Value();
            Expect(value == 0 || (value == 1 && atBeam), "lower beads at the beam from the nearest on");
            atBeam = value == 1;
        }
        const int upper = column.Bead(5).Value();
        Expect(upper == 0 || upper == 5, "the upper bead at rest or at the beam");
    }
    Expect(!m_detached || m_surface.calls == m_callsAtDetach, "nothing drawn after Detach");
}
