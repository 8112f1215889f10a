#include "mental/frmListen.h"

#include "course/SpokenQuestion.h"
#include "course/WrittenQuestion.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString NoDevice = QStringLiteral("没有找到可以发声的设备，请检查电脑的声音设置。");
constexpr double QuestionPointSize = 28;

struct Pace {
    const char* name;
    SpeechPace pace;
};
const Pace Paces[] = {{"慢", SpeechPace::Slow}, {"中", SpeechPace::Medium}, {"快", SpeechPace::Fast}};
constexpr int MediumPace = 1;

}  // namespace

frmListen::frmListen()
    : MentalWindow(QStringLiteral("听心算"))
{
}

// The voice must not call back into a window that is gone.
frmListen::~frmListen() { silence(); }

void frmListen::CreateSettings(QWidget& canvas)
{
    AddSettingBox(canvas, MentalSetting::Digits, "txtDig", QStringLiteral("位数"), QStringLiteral("1"));
    AddSettingBox(canvas, MentalSetting::Count, "txtCount", QStringLiteral("笔数"), QStringLiteral("5"));
    AddMixList(canvas);
    QStringList paces;
    for (const Pace& pace : Paces)
        paces.append(QString::fromUtf8(pace.name));
    comPace = AddSettingList(canvas, "comPace", QStringLiteral("语速"), paces);
    comPace->setCurrentIndex(MediumPace);
    AddSettingBox(canvas, MentalSetting::Questions, "txtQuestions", QStringLiteral("题数"), QStringLiteral("10"));
}

QWidget* frmListen::CreateStage(QWidget& canvas)
{
    auto* stage = new QWidget(&canvas);
    labQuestion = new QLabel(stage);
    labQuestion->setObjectName(QStringLiteral("labQuestion"));
    labQuestion->setFont(Fonts::Tahoma(QuestionPointSize));
    labQuestion->setAlignment(Qt::AlignCenter);
    labQuestion->setWordWrap(true);
    cmdRepeat = new QPushButton(QStringLiteral("重听"), stage);
    cmdRepeat->setObjectName(QStringLiteral("cmdRepeat"));
    cmdRepeat->setAutoDefault(false);
    // A click leaves the focus in the answer box, where Enter answers.
    cmdRepeat->setFocusPolicy(Qt::TabFocus);
    cmdRepeat->setEnabled(false);
    auto* column = new QVBoxLayout(stage);
    column->addStretch(1);
    column->addWidget(labQuestion);
    column->addWidget(cmdRepeat, 0, Qt::AlignHCenter);
    column->addStretch(1);
    connect(cmdRepeat, &QPushButton::clicked, this, &frmListen::read);
    return stage;
}

// Asked at 开始, not when the program starts: sound may come later.
bool frmListen::CanStart()
{
    if (Platform::Sound().Available())
        return true;
    Platform::Messages().Information(NoDevice);
    return false;
}

void frmListen::CompleteSettings(MentalSettings& settings) const
{
    settings.presentation = comPace->currentText().toStdString();
}

void frmListen::PlayQuestion(const MentalQuestion&)
{
    // Something to look at that gives nothing away.
    labQuestion->setText(QStringLiteral("请听题"));
    cmdRepeat->setEnabled(true);
    read();
}

void frmListen::read()
{
    SpeechVoice& voice = Platform::Voice();
    std::unique_ptr<QIODevice> samples =
        voice.Say(SpokenQuestion(Set()->Question().numbers), Paces[comPace->currentIndex()].pace);
    m_speaking = Platform::Sound().Play(std::move(samples), voice.SampleRate(), [this] { voiceHeard(); });
    if (m_speaking)
        return;
    // The device was there at 开始 and has gone since.
    EndSet();
    Platform::Messages().Information(NoDevice);
}

// The time to answer counts from here, unless the child has answered already.
void frmListen::voiceHeard()
{
    m_speaking = false;
    if (Set() && Set()->CurrentStage() == MentalSet::Stage::Presenting)
        QuestionPresented(Platform::ProgramClock().MilliTicks());
}

void frmListen::StopQuestion()
{
    silence();
    labQuestion->clear();
    cmdRepeat->setEnabled(false);
}

void frmListen::QuestionMarked()
{
    silence();
    cmdRepeat->setEnabled(false);
    labQuestion->setText(QString::fromStdString(WrittenQuestion(Set()->Question().numbers)));
}

void frmListen::silence()
{
    if (std::exchange(m_speaking, false))
        Platform::Sound().Stop();
}
