#pragma once

#include "ByteStream.h"
#include "CheckingSurface.h"

#include "abacus/AbacusObserver.h"
#include "abacus/Waiter.h"
#include "abacus/cAbacus.h"

#include <cstdint>
#include <vector>

// Plays a byte string as a script of abacus operations, the way windows call
// them, and checks after every operation what every window relies on: the
// rods show digits, the number is one the rods can show, operations given a
// number out of range change nothing, an undisturbed addition gives the sum.
// It is also the program's wait: every frame of an animation reads a byte
// that lets the frame pass, ends the program, or runs another operation
// inside the wait, as a click during an animation does. It also follows
// what the abacus says of its moves, and writes every line the status line would.
class AbacusSession final : public Waiter, public AbacusObserver {
public:
    explicit AbacusSession(ByteStream& bytes);
    ~AbacusSession() override;
    AbacusSession(const AbacusSession&) = delete;
    AbacusSession& operator=(const AbacusSession&) = delete;

    void Run();
    bool Delay(int milliseconds) override;
    void RodStarts(const cAbacus& abacus, const RodStep& step) override;
    void SumDone(const cAbacus& abacus, const AbacusSum& sum) override;
    void Detached(const cAbacus&) override {}

private:
    void Step();
    void Init();
    void SetValue();
    void Draw();
    void AddNum();
    void ChangeNum();
    void Carry(bool up);
    void Click();
    float PointerX();
    float PointerY();
    void Cls();
    void ReadValue();
    void Detach();

    // The digits as the beads show them, highest rod first, read without
    // touching the abacus (reading Value refreshes the rods' own digits).
    std::vector<int> Digits() const;
    double Shown() const;
    static double Shown(const std::vector<int>& digits);
    double Modulus() const;
    bool Undisturbed(unsigned since) const { return m_disturbances == since; }
    void Expect(bool condition, const char* what) const;
    void CheckBoard();

    ByteStream& m_bytes;
    CheckingSurface m_surface;
    cAbacus m_abacus;
    int m_depth = 0;
    int m_steps = 0;
    int m_frames = 0;
    // Counts waits that were cut short or ran another operation: an operation
    // so disturbed may stop anywhere, and only the board checks apply to it.
    unsigned m_disturbances = 0;
    bool m_detached = false;
    long m_callsAtDetach = 0;
};
