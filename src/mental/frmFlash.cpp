#include "mental/frmFlash.h"

#include "course/FlashLevel.h"
#include "mental/FlashPlayer.h"
#include "mental/FlashStage.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString Digits = QStringLiteral("数字");
const QString Beads = QStringLiteral("珠像");

}  // namespace

frmFlash::frmFlash()
    : MentalWindow(QStringLiteral("闪电心算"))
{
}

FlashPlayer* frmFlash::Player() const { return m_player; }

FlashStage* frmFlash::Stage() const { return m_stage; }

void frmFlash::CreateSettings(QWidget& canvas)
{
    QStringList levels;
    for (const FlashLevel& level : FlashLevels())
        levels.append(QString::fromStdString(level.Caption()));
    comLevel = AddSettingList(canvas, "comLevel", QStringLiteral("级别"), levels);
    txtDig = AddSettingBox(canvas, MentalSetting::Digits, "txtDig", QStringLiteral("位数"), QString());
    txtCount = AddSettingBox(canvas, MentalSetting::Count, "txtCount", QStringLiteral("笔数"), QString());
    txtSeconds = AddSettingBox(canvas, MentalSetting::Seconds, "txtSeconds", QStringLiteral("秒数"), QString());
    AddMixList(canvas);
    comShow = AddSettingList(canvas, "comShow", QStringLiteral("显示"), {Digits, Beads});
    AddSettingBox(canvas, MentalSetting::Questions, "txtQuestions", QStringLiteral("题数"), QStringLiteral("10"));
    connect(comLevel, &QComboBox::currentIndexChanged, this, &frmFlash::comLevel_Changed);
    comLevel_Changed(0);
}

QWidget* frmFlash::CreateStage(QWidget& canvas)
{
    m_stage = new FlashStage(&canvas);
    m_player = new FlashPlayer(*m_stage);
    connect(m_player, &FlashPlayer::finished, this, &frmFlash::QuestionPresented);
    return m_stage;
}

void frmFlash::comLevel_Changed(int index)
{
    const FlashLevel& level = FlashLevels().at(static_cast<std::size_t>(index));
    txtDig->setText(QString::number(level.digits));
    txtCount->setText(QString::number(level.count));
    txtSeconds->setText(QString::number(level.seconds));
}

void frmFlash::CompleteSettings(MentalSettings& settings) const
{
    settings.presentation = comShow->currentText().toStdString();
}

void frmFlash::PlayQuestion(const MentalQuestion& question)
{
    const MentalSettings& settings = Set()->Settings();
    const bool beads = settings.presentation == Beads.toStdString();
    m_stage->Prepare(beads ? FlashStage::Look::Beads : FlashStage::Look::Digits, settings.digits);
    m_player->Play(question, settings.seconds);
}

void frmFlash::StopQuestion()
{
    if (m_player)
        m_player->Stop();
    if (m_stage)
        m_stage->ShowBlank();
}
