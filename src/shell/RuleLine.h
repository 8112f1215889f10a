#pragma once

#include "abacus/AbacusObserver.h"

#include <QPointer>

#include <string>

class QLabel;

// The main window's status line: names the bead rule of every step that an
// exercise window's abacus plays, then the sum and what the rods show of it.
// A line stays until the next one, or until the window whose abacus said it
// closes.
class RuleLine final : public AbacusObserver {
public:
    explicit RuleLine(QLabel& label);

    void RodStarts(const cAbacus& abacus, const RodStep& step) override;
    void SumDone(const cAbacus& abacus, const AbacusSum& sum) override;
    void Detached(const cAbacus& abacus) override;

private:
    void say(const cAbacus& abacus, const std::string& line);

    QPointer<QLabel> m_label;
    const cAbacus* m_speaker = nullptr;
};
