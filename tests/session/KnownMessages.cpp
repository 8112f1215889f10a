#include "KnownMessages.h"

#include "demo/frmShow9.h"
#include "exercises/ExerciseWindow.h"
#include "shell/frmMain.h"
#include "training/frmTrain02.h"

#include <QRegularExpression>

#include <cmath>

namespace {

QString summaryProblem(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^恭喜完成本轮游戏\r\n共出题：(\\d+)道,你答对:(\\d+)道,答错:(\\d+)道 \r\n得分:(\\d+)$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return QStringLiteral("a run summary of an unexpected shape");
    const double asked = match.captured(1).toDouble();
    const double right = match.captured(2).toDouble();
    const double wrong = match.captured(3).toDouble();
    const double score = match.captured(4).toDouble();
    if (right > asked || wrong != asked - right)
        return QStringLiteral("a run summary whose counts do not add up");
    const double expectedScore = asked == 0 ? 0 : std::floor((right / asked) * 100);
    if (score != expectedScore)
        return QStringLiteral("a run summary with the score %1 instead of %2").arg(score).arg(expectedScore);
    if (text != ExerciseWindow::RunSummary(asked, right))
        return QStringLiteral("a run summary that differs from the window's own text");
    return {};
}

QString iconProblem(const RecordingMessages::Box& box, bool information)
{
    if (box.information == information)
        return {};
    return information ? QStringLiteral("shown without its information icon")
                       : QStringLiteral("shown with an icon it does not have");
}

}  // namespace

namespace KnownMessages {

QString Problem(const RecordingMessages::Box& box)
{
    const QString& text = box.text;
    if (text.isEmpty())
        return QStringLiteral("an empty message box");
    if (text == QStringLiteral("暂无此功能") || text == QStringLiteral("请按开始键，开始新一轮的游戏")
        || text == QStringLiteral("这一遍加好以后就暂停"))
        return iconProblem(box, false);
    if (text == frmMain::HelpText() || text == frmMain::AboutText() || text == frmTrain02::TooLargeText()
        || text == frmShow9::OutOfRangeText() || text.endsWith(QStringLiteral("的题，请选更大的位数。")))
        return iconProblem(box, true);
    if (text.startsWith(QStringLiteral("恭喜完成本轮游戏"))) {
        const QString shape = summaryProblem(text);
        return shape.isEmpty() ? iconProblem(box, true) : shape;
    }
    return QStringLiteral("an unknown message");
}

}  // namespace KnownMessages
