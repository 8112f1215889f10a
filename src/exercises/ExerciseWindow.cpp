#include "exercises/ExerciseWindow.h"

#include "abacus/ProgramWide.h"
#include "exercises/AbacusKeys.h"
#include "exercises/AccessibleAbacus.h"
#include "exercises/NumberText.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/modsub.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

// A run that ended before any question scores 0 rather than dividing by zero.
double ExerciseWindow::Score(double n, double r) { return n == 0 ? 0 : std::floor((r / n) * 100); }

QString ExerciseWindow::RunSummary(double n, double r)
{
    const double score = Score(n, r);
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("恭喜完成本轮游戏") + lineBreak + QStringLiteral("共出题：") + NumberText(n)
        + QStringLiteral("道,你答对:") + NumberText(r) + QStringLiteral("道,答错:") + NumberText(n - r)
        + QStringLiteral("道 ") + lineBreak + QStringLiteral("得分:") + NumberText(score);
}

double ExerciseWindow::LargestQuestion(double digits, double otherwise)
{
    if (digits == 1)
        return 8;
    if (digits == 2)
        return 98;
    if (digits == 3)
        return 998;
    if (digits == 4)
        return 9998;
    return otherwise;
}

void ExerciseWindow::SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void ExerciseWindow::SetMark(QLabel& label, const QString& mark, bool right)
{
    label.setText(mark);
    label.setAccessibleName(right ? QStringLiteral("对") : QStringLiteral("错"));
}

double ExerciseWindow::DrawQuestion(double largest)
{
    RandomSource& random = ProgramWide::Random();
    random.Randomize();
    double n = 0;
    do {
        n = std::floor(static_cast<double>(random.Rnd()) * largest) + 1;
    } while (n == m_CurrentNum);
    return n;
}

void ExerciseWindow::LoadAbacus(std::int16_t rods, double startValue)
{
    ProgramWide::ColorfulBeads = false;
    m_abacus.Init(pic, rods);
    m_abacus.setValue(startValue);
    m_abacus.Draw(-1);
}

// The abacus lives as long as the window; its pictures may outlive both: a
// closed window's widgets are deleted later, and at the program's end the
// window may go before them.
ExerciseWindow::~ExerciseWindow()
{
    if (pic)
        AccessibleAbacus::Release(*pic);
}

void ExerciseWindow::Form_Unload()
{
    m_abacus.Detach();
    AccessibleAbacus::Release(*pic);
}

void ExerciseWindow::cmdclear_Click() { m_abacus.Draw(0); }

void ExerciseWindow::cmdExit_Click() { Unload(); }

void ExerciseWindow::pic_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float X, float Y)
{
    m_abacus.MouseUp(X, Y);
}

void ExerciseWindow::pic_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float X, float Y)
{
    m_abacus.IsSelect(X, Y);
}

void ExerciseWindow::EnableNumButtons(bool enabled)
{
    for (const QPointer<QPushButton>& button : cmdNum) {
        if (button)
            button->setEnabled(enabled);
    }
}

void ExerciseWindow::FillNumButtons(double answer)
{
    RandomSource& random = ProgramWide::Random();
    random.Randomize();
    const int position = static_cast<int>(std::floor(random.Rnd() * 3.0));
    // The upper decoy lies one to three above; the lower one is always one below.
    const double spread = position == 1 ? 3.0 : 2.0;
    const double upper = answer + std::floor(random.Rnd() * spread) + 1;
    const double lower = answer - 1;
    std::array<double, 3> captions{};
    switch (position) {
    case 0:
        captions = {answer, upper, lower};
        break;
    case 1:
        captions = {lower, answer, upper};
        break;
    default:
        captions = {lower, upper, answer};
        break;
    }
    for (int i = 0; i < 3; ++i) {
        if (cmdNum[i])
            cmdNum[i]->setText(NumberText(captions[i]));
    }
}

bool ExerciseWindow::ShowRunSummary(double n, double r)
{
    const unsigned run = m_runGeneration;
    Platform::Messages().Information(RunSummary(n, r));
    return run == m_runGeneration && !modsub::ProgramEnding();
}

PictureBox* ExerciseWindow::CreatePic(QWidget& parent, const QRect& place)
{
    pic = new PictureBox(&parent);
    pic->setObjectName(QStringLiteral("pic"));
    pic->setGeometry(place);
    pic->setFocusPolicy(Qt::StrongFocus);
    connect(pic, &PictureBox::mouseReleased, this, &ExerciseWindow::pic_MouseUp);
    AccessibleAbacus::Attach(*pic, m_abacus);
    // However the widgets go, the abacus must not keep drawing on them.
    const DrawingSurface* surface = pic;
    connect(pic, &QObject::destroyed, this, [this, surface] { m_abacus.DetachFrom(surface); });
    return pic;
}

void ExerciseWindow::LetChildMoveBeads()
{
    connect(pic, &PictureBox::mouseMoved, this, &ExerciseWindow::pic_MouseMove);
    new AbacusKeys(*pic, m_abacus);
    AccessibleAbacus::MakeAdjustable(*pic);
}

void ExerciseWindow::IgnorePointer()
{
    disconnect(pic, &PictureBox::mouseMoved, this, nullptr);
    disconnect(pic, &PictureBox::mouseReleased, this, nullptr);
}

void ExerciseWindow::CreateNumButtons(QWidget& parent, const std::array<QRect, 3>& places, double pointSize)
{
    for (int i = 0; i < 3; ++i) {
        auto* button = CreateButton(parent, nullptr, QString::number(i + 1), places[i]);
        button->setObjectName(QStringLiteral("cmdNum%1").arg(i));
        button->setFont(Fonts::Tahoma(pointSize));
        button->setEnabled(false);
        cmdNum[i] = button;
    }
}

QPushButton* ExerciseWindow::CreateButton(QWidget& parent, const char* name, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, &parent);
    if (name)
        button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QLabel* ExerciseWindow::CreateLabel(QWidget& parent, const char* name, const QString& caption, const QRect& place,
                                    double pointSize)
{
    auto* label = new QLabel(caption, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    if (pointSize > 0)
        label->setFont(Fonts::Tahoma(pointSize));
    Fonts::FitText(*label);
    return label;
}

QLineEdit* ExerciseWindow::CreateTextBox(QWidget& parent, const char* name, const QString& text, const QRect& place,
                                         const QString& spokenName)
{
    auto* box = new QLineEdit(text, &parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setAccessibleName(spokenName);
    return box;
}

QTimer* ExerciseWindow::CreateTimer(const char* name, int intervalMs)
{
    // Parented to the canvas, so the timer goes with the window's widgets.
    auto* timer = new QTimer(Canvas());
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}
