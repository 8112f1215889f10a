#include "shell/RuleLine.h"

#include "abacus/StepText.h"

#include <QLabel>

RuleLine::RuleLine(QLabel& label)
    : m_label(&label)
{
}

void RuleLine::RodStarts(const cAbacus& abacus, const RodStep& step) { say(abacus, StepLine(step)); }

void RuleLine::SumDone(const cAbacus& abacus, const AbacusSum& sum) { say(abacus, SumLine(sum)); }

void RuleLine::Detached(const cAbacus& abacus)
{
    if (&abacus != m_speaker)
        return;
    m_speaker = nullptr;
    if (m_label)
        m_label->setText(QString());
}

void RuleLine::say(const cAbacus& abacus, const std::string& line)
{
    m_speaker = &abacus;
    // The label's accessible name is its text, so a screen reader hears each line.
    if (m_label)
        m_label->setText(QString::fromStdString(line));
}
