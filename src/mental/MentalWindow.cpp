#include "mental/MentalWindow.h"

#include "abacus/ProgramWide.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/NumberText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int SettingsPerRow = 4;
constexpr double WindowPointSize = 12;
constexpr double AnswerPointSize = 18;
constexpr double MarkPointSize = 24;
constexpr int AnswerBoxCharacters = 9;
constexpr int SettingBoxCharacters = 6;
const QColor Red(255, 0, 0);

QPushButton* createButton(QWidget& canvas, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, &canvas);
    button->setObjectName(QString::fromLatin1(name));
    // Enter reaches the window, which presses the button that has the focus.
    button->setAutoDefault(false);
    return button;
}

QLabel* createLabel(QWidget& canvas, const char* name, double pointSize)
{
    auto* label = new QLabel(&canvas);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(Fonts::Tahoma(pointSize));
    return label;
}

}  // namespace

MentalWindow::MentalWindow(QString caption)
    : m_caption(std::move(caption))
{
}

void MentalWindow::CreateControls(QWidget& canvas)
{
    // The widgets of an earlier opening are gone.
    m_boxes.clear();
    m_settingFields.clear();
    m_settingCount = 0;
    canvas.setFont(Fonts::Tahoma(WindowPointSize));
    auto* rows = new QVBoxLayout(&canvas);
    auto* top = new QHBoxLayout;
    rows->addLayout(top);
    m_settings = new QGridLayout;
    top->addLayout(m_settings);
    CreateSettings(canvas);
    createStartButtons(canvas, *top);
    m_stage = CreateStage(canvas);
    rows->addWidget(m_stage, 1);
    rows->addLayout(createAnswerRow(canvas));
    connectSignals();
    canvas.installEventFilter(this);
}

void MentalWindow::AddSetting(QWidget& canvas, const QString& label, QWidget* field)
{
    auto* caption = new QLabel(label + QStringLiteral("："), &canvas);
    caption->setBuddy(field);
    field->setAccessibleName(label);
    const int row = m_settingCount / SettingsPerRow;
    const int column = m_settingCount % SettingsPerRow * 2;
    m_settings->addWidget(caption, row, column, Qt::AlignRight);
    m_settings->addWidget(field, row, column + 1);
    m_settingFields.append(field);
    ++m_settingCount;
}

QLineEdit* MentalWindow::AddSettingBox(QWidget& canvas, MentalSetting setting, const char* name, const QString& label,
                                       const QString& text)
{
    auto* box = new QLineEdit(text, &canvas);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * SettingBoxCharacters);
    AddSetting(canvas, label, box);
    m_boxes[setting] = box;
    return box;
}

QComboBox* MentalWindow::AddSettingList(QWidget& canvas, const char* name, const QString& label,
                                        const QStringList& items)
{
    auto* list = new QComboBox(&canvas);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    AddSetting(canvas, label, list);
    return list;
}

void MentalWindow::AddMixList(QWidget& canvas)
{
    comMix = AddSettingList(canvas, "comMix", QStringLiteral("加减"), {QStringLiteral("只加"), QStringLiteral("加减混合")});
}

// Right of the settings, apart from them.
void MentalWindow::createStartButtons(QWidget& canvas, QHBoxLayout& top)
{
    cmdStart = createButton(canvas, "cmdStart", QStringLiteral("开始"));
    cmdExit = createButton(canvas, "cmdExit", QStringLiteral("关闭"));
    top.addStretch(1);
    top.addWidget(cmdStart);
    top.addWidget(cmdExit);
}

QLayout* MentalWindow::createAnswerRow(QWidget& canvas)
{
    auto* caption = new QLabel(QStringLiteral("答案："), &canvas);
    txtAnswer = new QLineEdit(&canvas);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setAccessibleName(QStringLiteral("答案"));
    txtAnswer->setFont(Fonts::Tahoma(AnswerPointSize));
    txtAnswer->setMaximumWidth(txtAnswer->fontMetrics().horizontalAdvance(QLatin1Char('0')) * AnswerBoxCharacters);
    txtAnswer->setEnabled(false);
    caption->setBuddy(txtAnswer);
    cmdOk = createButton(canvas, "cmdOk", QStringLiteral("确定"));
    cmdOk->setEnabled(false);
    labMark = createLabel(canvas, "labMark", MarkPointSize);
    ExerciseWindow::SetTextColour(*labMark, Red);
    labRight = createLabel(canvas, "labRight", AnswerPointSize);
    labProgress = createLabel(canvas, "labProgress", WindowPointSize);
    cmdNext = createButton(canvas, "cmdNext", QStringLiteral("下一题"));
    cmdNext->setEnabled(false);
    auto* row = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{caption, txtAnswer, cmdOk, labMark, labRight})
        row->addWidget(widget);
    row->addStretch(1);
    row->addWidget(labProgress);
    row->addWidget(cmdNext);
    return row;
}

void MentalWindow::connectSignals()
{
    connect(cmdStart, &QPushButton::clicked, this, &MentalWindow::cmdStart_Click);
    connect(cmdExit, &QPushButton::clicked, this, &MentalWindow::cmdExit_Click);
    connect(cmdOk, &QPushButton::clicked, this, &MentalWindow::cmdOk_Click);
    connect(cmdNext, &QPushButton::clicked, this, &MentalWindow::cmdNext_Click);
}

void MentalWindow::Form_Load()
{
    ProgramWide::ColorfulBeads = false;
    m_set.reset();
    cmdStart->setFocus();
    // Another window brought to the front ends the set, as Esc does: a voice
    // or a flash behind it would talk over it and take its keyboard.
    connect(Frame()->mdiArea(), &QMdiArea::subWindowActivated, Canvas(), [this](QMdiSubWindow* front) {
        if (front && front != Frame())
            escapePressed();
    });
}

void MentalWindow::Form_Unload()
{
    StopQuestion();
    keepAnsweredSet();
    m_set.reset();
}

// A set left after its last answer was marked is finished: its result is kept,
// only the summary is not shown.
void MentalWindow::keepAnsweredSet()
{
    if (m_set && m_set->LastQuestion() && m_set->CurrentStage() == MentalSet::Stage::Marked)
        m_set->Close();
}

bool MentalWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Keys no control took reach the canvas.
    if (watched == Canvas() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
        if (key == Qt::Key_Escape) {
            escapePressed();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void MentalWindow::enterPressed()
{
    if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    if (!m_set) {
        cmdStart_Click();
        return;
    }
    if (m_set->CurrentStage() == MentalSet::Stage::Marked)
        cmdNext_Click();
    else
        cmdOk_Click();
}

void MentalWindow::escapePressed()
{
    keepAnsweredSet();
    if (m_set)
        EndSet();
}

void MentalWindow::cmdStart_Click()
{
    if (m_set || !CanStart())
        return;
    MentalSettingsCheck check = CheckMentalSettings(entry());
    if (check.problem) {
        refuse(*check.problem);
        return;
    }
    check.settings.mixed = comMix->currentIndex() == 1;
    CompleteSettings(check.settings);
    m_set = std::make_unique<MentalSet>(m_caption.toStdString(), check.settings, Platform::ProgramClock());
    enableSettings(false);
    nextQuestion();
}

MentalSettingsEntry MentalWindow::entry() const
{
    const auto text = [this](MentalSetting setting) { return m_boxes.at(setting)->text().toStdString(); };
    MentalSettingsEntry entry{text(MentalSetting::Digits), text(MentalSetting::Count), text(MentalSetting::Questions),
                              std::nullopt};
    if (m_boxes.count(MentalSetting::Seconds))
        entry.seconds = text(MentalSetting::Seconds);
    return entry;
}

// Nothing starts; the box keeps its text, selected, for the child to correct.
void MentalWindow::refuse(const SettingsProblem& problem)
{
    const QPointer<QLineEdit> box = m_boxes.at(problem.setting);
    Platform::Messages().Information(QString::fromStdString(problem.message));
    if (box) {
        box->setFocus();
        box->selectAll();
    }
}

void MentalWindow::nextQuestion()
{
    const MentalQuestion& question = m_set->NextQuestion(ProgramWide::Random());
    const bool answering = AnswersWhilePresenting();
    // The focus moves before the answer box that had it is disabled, or
    // once the box that takes it is enabled.
    if (answering) {
        txtAnswer->setEnabled(true);
        txtAnswer->setFocus();
    } else {
        m_stage->setFocus();
    }
    txtAnswer->clear();
    txtAnswer->setReadOnly(false);
    txtAnswer->setEnabled(answering);
    cmdOk->setEnabled(answering);
    cmdNext->setEnabled(false);
    labMark->clear();
    labMark->setAccessibleName(QString());
    labRight->clear();
    labProgress->setText(QStringLiteral("第%1题，共%2题").arg(m_set->Asked()).arg(m_set->Settings().questions));
    PlayQuestion(question);
}

void MentalWindow::QuestionPresented(std::int64_t endedMs)
{
    if (!m_set)
        return;
    m_set->Presented(endedMs);
    txtAnswer->setEnabled(true);
    cmdOk->setEnabled(true);
    txtAnswer->setFocus();
}

void MentalWindow::cmdOk_Click()
{
    if (!m_set || m_set->CurrentStage() == MentalSet::Stage::Marked)
        return;
    if (m_set->CurrentStage() == MentalSet::Stage::Presenting) {
        // An empty box is no answer yet: a second Enter from going on to
        // this question must not mark it.
        if (!AnswersWhilePresenting() || txtAnswer->text().trimmed().isEmpty())
            return;
        StopQuestion();
        QuestionPresented(Platform::ProgramClock().MilliTicks());
    }
    const bool right = m_set->Mark(ReadNumber(txtAnswer->text()));
    ExerciseWindow::SetMark(*labMark, right ? QStringLiteral("√") : QStringLiteral("×"), right);
    if (!right)
        labRight->setText(QStringLiteral("正确答案：") + NumberText(static_cast<double>(m_set->Question().Answer())));
    txtAnswer->setReadOnly(true);
    // The box keeps the focus, so that Enter goes on.
    txtAnswer->setFocus();
    cmdOk->setEnabled(false);
    cmdNext->setEnabled(true);
    QuestionMarked();
}

void MentalWindow::cmdNext_Click()
{
    if (!m_set || m_set->CurrentStage() != MentalSet::Stage::Marked)
        return;
    if (m_set->LastQuestion())
        finishSet();
    else
        nextQuestion();
}

void MentalWindow::finishSet()
{
    const QString summary = QString::fromStdString(m_set->Close());
    EndSet();
    Platform::Messages().Information(summary);
}

void MentalWindow::EndSet()
{
    StopQuestion();
    m_set.reset();
    txtAnswer->setEnabled(false);
    cmdOk->setEnabled(false);
    cmdNext->setEnabled(false);
    labProgress->clear();
    enableSettings(true);
    // Ended by another window coming to the front, this one keeps away from the focus.
    if (Frame()->mdiArea()->currentSubWindow() == Frame())
        cmdStart->setFocus();
}

void MentalWindow::enableSettings(bool enabled)
{
    for (const QPointer<QWidget>& field : std::as_const(m_settingFields)) {
        if (field)
            field->setEnabled(enabled);
    }
    cmdStart->setEnabled(enabled);
}

void MentalWindow::cmdExit_Click() { Unload(); }
