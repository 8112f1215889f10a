#pragma once

#include <QRect>
#include <QString>

// The designed layout of the windows the test looks at, in twips as the
// designs give them (15 twips to a pixel), and what each window shows when
// it opens. Kept apart from the program's own tables on purpose: the test
// checks the screen against the design, not against the code.
namespace Design {

constexpr int Twips(int twips) { return (twips + 7) / 15; }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

struct ExerciseWindow {
    QString caption;
    QRect pic;
    int rods;
    double startValue;
};

inline const ExerciseWindow frmTrain01 {QStringLiteral("识珠学习"), TwipsRect(120, 120, 14235, 8250), 5, 0};
inline const ExerciseWindow frmTrain03 {QStringLiteral("识珠练习"), TwipsRect(120, 120, 14235, 8250), 4, 0};
inline const ExerciseWindow frmTrain02 {QStringLiteral("识珠练习"), TwipsRect(120, 180, 14355, 9030), 5, 0};
inline const ExerciseWindow frmShow9 {QStringLiteral("9遍9计算"), TwipsRect(240, 120, 16755, 8970), 10, 123456789};

// The start-up picture fills the main window's client area; its abacus has five rods.
inline const QRect StartupAbacus = TwipsRect(1080, 4680, 7095, 3855);
constexpr int StartupRods = 5;

// Controls of the bead-recognition windows (the same places in both).
inline const QRect Train01_txtNum = TwipsRect(2520, 9360, 795, 495);
inline const QRect Train01_txtTime = TwipsRect(5040, 9308, 975, 465);
inline const QRect Train01_cmdStart = TwipsRect(11760, 9300, 990, 480);
inline const QRect Train01_labScore = TwipsRect(15120, 1800, 750, 870);
inline const QRect Train01_cmdNum[3]
    = {TwipsRect(14760, 4320, 1500, 1080), TwipsRect(14760, 5580, 1500, 1080), TwipsRect(14760, 6840, 1500, 1080)};
constexpr double AnswerPointSize = 21.75;
constexpr double MarkPointSize = 36;

// Controls of the column-arithmetic window.
inline const QRect Train02_cmdQ = TwipsRect(13260, 9480, 1230, 585);
inline const QRect Train02_txtChange0 = TwipsRect(15000, 4200, 1275, 495);
inline const QRect Train02_txtChange1 = TwipsRect(15000, 5160, 1275, 495);
inline const QRect Train02_txtN4 = TwipsRect(15000, 6480, 1335, 495);
inline const QRect Train02_cmdOk2 = TwipsRect(15000, 7440, 1350, 585);
inline const QRect Train02_labScore = TwipsRect(15060, 2160, 750, 870);

// The demonstration's start/pause button.
inline const QRect Show9_cmdYanShi2 = TwipsRect(13800, 9480, 1710, 480);

}  // namespace Design
