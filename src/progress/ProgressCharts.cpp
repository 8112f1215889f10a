#include "progress/ProgressCharts.h"

#include "records/GroupNames.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QCategoryAxis>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor QuestionsColour(90, 140, 210);
const QColor ShareColour(220, 70, 50);
constexpr int ChartHeight = 260;
constexpr int WholeTicksUpTo = 5;

QChartView* view(QChart* chart, const QString& name)
{
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* shown = new QChartView(chart);
    shown->setObjectName(name);
    shown->setAccessibleName(chart->title());
    shown->setRenderHint(QPainter::Antialiasing);
    shown->setMinimumHeight(ChartHeight);
    return shown;
}

QValueAxis* countAxis(double largest, const QString& title)
{
    auto* axis = new QValueAxis;
    // Up to a handful, one tick per whole number: the nice numbers would
    // step by halves, and whole-number labels would then repeat.
    const int top = static_cast<int>(std::ceil(std::max(largest, 1.0)));
    axis->setRange(0, top);
    if (top <= WholeTicksUpTo)
        axis->setTickCount(top + 1);
    else
        axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    return axis;
}

// The days as numbers from 0, named once a week and on the last day: thirty
// dates side by side would not fit.
QCategoryAxis* dayAxis(qint64 firstDay, int dayCount)
{
    auto* axis = new QCategoryAxis;
    axis->setRange(-0.5, dayCount - 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int i = (dayCount - 1) % 7; i < dayCount; i += 7)
        axis->append(QDate::fromJulianDay(firstDay + i).toString(QStringLiteral("M/d")), i);
    axis->setStartValue(-0.5);
    axis->setGridLineVisible(false);
    return axis;
}

// The share of right answers, one line for each stretch of days in a row.
QList<QLineSeries*> shareLines(const ExerciseDays& exercise, qint64 firstDay)
{
    QList<QLineSeries*> lines;
    qint64 previous = 0;
    for (const DayFigures& day : exercise.days) {
        if (lines.isEmpty() || day.day != previous + 1) {
            lines.append(new QLineSeries);
            lines.last()->setName(QStringLiteral("正确率（%）"));
            lines.last()->setPen(QPen(ShareColour, 2));
            lines.last()->setPointsVisible(true);
        }
        lines.last()->append(static_cast<double>(day.day - firstDay), 100 * day.right / day.questions);
        previous = day.day;
    }
    return lines;
}

}  // namespace

namespace ProgressCharts {

QWidget* Days(const ExerciseDays& exercise, qint64 firstDay, int dayCount)
{
    auto* chart = new QChart;
    chart->setTitle(exercise.exercise);
    auto* questions = new QBarSet(QStringLiteral("题数"));
    questions->setColor(QuestionsColour);
    double most = 0;
    for (int i = 0; i < dayCount; ++i) {
        const auto day = std::find_if(exercise.days.begin(), exercise.days.end(),
                                      [&](const DayFigures& figures) { return figures.day == firstDay + i; });
        questions->append(day == exercise.days.end() ? 0 : day->questions);
        most = std::max(most, day == exercise.days.end() ? 0 : day->questions);
    }
    auto* bars = new QBarSeries;
    bars->append(questions);
    chart->addSeries(bars);
    QCategoryAxis* days = dayAxis(firstDay, dayCount);
    QValueAxis* counts = countAxis(most, QStringLiteral("题数"));
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d%%"));
    share->setTitleText(QStringLiteral("正确率"));
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(share, Qt::AlignRight);
    bars->attachAxis(days);
    bars->attachAxis(counts);
    const QList<QLineSeries*> lines = shareLines(exercise, firstDay);
    for (QLineSeries* line : lines) {
        chart->addSeries(line);
        line->attachAxis(days);
        line->attachAxis(share);
        // The stretches are one line to the reader: the legend names it once.
        if (line != lines.first())
            chart->legend()->markers(line).first()->setVisible(false);
    }
    return view(chart, QStringLiteral("chtDays"));
}

QWidget* WrongByGroup(const std::array<int, 4>& wrong)
{
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("加减训练：各组口诀的错题数"));
    // Lying bars leave the groups' long names room beside them; the first
    // category lies lowest, so the groups go in from the last to read from the top.
    auto* mistakes = new QBarSet(QStringLiteral("错题数"));
    mistakes->setColor(ShareColour);
    QStringList names = GroupNames();
    std::reverse(names.begin(), names.end());
    for (auto count = wrong.rbegin(); count != wrong.rend(); ++count)
        mistakes->append(*count);
    auto* bars = new QHorizontalBarSeries;
    bars->append(mistakes);
    bars->setLabelsVisible(true);
    chart->addSeries(bars);
    auto* groups = new QBarCategoryAxis;
    groups->append(names);
    QValueAxis* counts = countAxis(*std::max_element(wrong.begin(), wrong.end()), QStringLiteral("错题数"));
    chart->addAxis(groups, Qt::AlignLeft);
    chart->addAxis(counts, Qt::AlignBottom);
    bars->attachAxis(groups);
    bars->attachAxis(counts);
    chart->legend()->hide();
    return view(chart, QStringLiteral("chtGroups"));
}

}  // namespace ProgressCharts
