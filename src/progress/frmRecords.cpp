#include "progress/frmRecords.h"

#include "platform/Platform.h"
#include "progress/ProgressCharts.h"
#include "records/PracticeDay.h"
#include "records/ProgressQuery.h"
#include "records/RecordExport.h"
#include "records/RecordKeeper.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The exercises in the order of the menus; any other comes after them.
const QStringList ExerciseOrder = {QStringLiteral("识珠学习"), QStringLiteral("识珠练习"), QStringLiteral("加减训练"),
                                   QStringLiteral("闪电心算"), QStringLiteral("听心算")};

int orderOf(const QString& exercise)
{
    const qsizetype place = ExerciseOrder.indexOf(exercise);
    return place < 0 ? static_cast<int>(ExerciseOrder.size()) : static_cast<int>(place);
}

QString localTime(qint64 utcSeconds, const QString& format)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds).toString(format);
}

QLabel* wrappingLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

// To the nearest minute, as a parent reads time spent: 40秒, 12分钟, 2小时5分钟.
QString duration(double seconds)
{
    const auto minutes = static_cast<qint64>(std::round(seconds / 60));
    if (minutes < 1)
        return QStringLiteral("%1秒").arg(std::round(seconds));
    if (minutes < 60)
        return QStringLiteral("%1分钟").arg(minutes);
    return QStringLiteral("%1小时%2分钟").arg(minutes / 60).arg(minutes % 60);
}

}  // namespace

frmRecords::frmRecords(RecordKeeper& keeper)
    : m_keeper(keeper)
{
}

QString frmRecords::Caption() const { return QStringLiteral("成绩记录"); }

QSize frmRecords::DesignedClientSize() const { return {}; }

QString frmRecords::NoChildText()
{
    return QStringLiteral("还没有选择孩子，所以没有成绩记录。\n"
                          "请在菜单“成绩”里点“01 选择孩子”，新建或选中一个孩子，再按“确定”：从那以后的练习都会记录下来。");
}

void frmRecords::CreateControls(QWidget& canvas)
{
    m_layout = new QVBoxLayout(&canvas);
}

void frmRecords::Form_Load() { Refresh(); }

void frmRecords::Refresh()
{
    if (!IsLoaded())
        return;
    delete m_page;
    const qint64 firstDay = PracticeDay(Platform::ProgramClock().WallSeconds()) - (ChartDays - 1);
    const std::optional<ProgressReport> report
        = m_keeper.Recording() ? ProgressQuery::Read(m_keeper, firstDay, RecentRuns) : std::nullopt;
    if (report) {
        m_page = createReport(*report, firstDay);
    } else {
        m_page = wrappingLabel(
            "labNoChild", m_keeper.Refused() ? QStringLiteral("成绩文件不能使用，本次运行不记录成绩。") : NoChildText());
    }
    m_layout->addWidget(m_page);
}

QWidget* frmRecords::createReport(const ProgressReport& report, qint64 firstDay)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(wrappingLabel("labTotals", totalsText(report)), 0, 0);
    auto* cmdExport = new QPushButton(QStringLiteral("导出"));
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    connect(cmdExport, &QPushButton::clicked, this, &frmRecords::cmdExport_Click);
    grid->addWidget(cmdExport, 0, 1, Qt::AlignRight);
    grid->addWidget(createCharts(report, firstDay), 1, 0);
    grid->addWidget(createRecentRuns(report), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    return page;
}

QString frmRecords::totalsText(const ProgressReport& report) const
{
    const QString last = report.lastPractice > 0
        ? localTime(report.lastPractice, QStringLiteral("yyyy-MM-dd HH:mm"))
        : QStringLiteral("还没有");
    return QStringLiteral("%1：练习了%2天，%3轮，%4道题，用时%5；最近一次练习：%6")
        .arg(m_keeper.Chosen()->name, QString::number(report.daysPractised), QString::number(report.runs),
             QString::number(report.questions), duration(report.seconds), last);
}

QWidget* frmRecords::createCharts(const ProgressReport& report, qint64 firstDay)
{
    QList<ExerciseDays> exercises = report.exercises;
    std::stable_sort(exercises.begin(), exercises.end(), [](const ExerciseDays& a, const ExerciseDays& b) {
        return orderOf(a.exercise) < orderOf(b.exercise);
    });
    QList<QWidget*> charts;
    for (const ExerciseDays& exercise : exercises)
        charts << ProgressCharts::Days(exercise, firstDay, ChartDays);
    const auto& wrong = report.wrongByGroup;
    if (std::any_of(wrong.begin(), wrong.end(), [](int count) { return count > 0; }))
        charts << ProgressCharts::WrongByGroup(wrong);
    if (charts.isEmpty())
        return wrappingLabel("labNoPractice", QStringLiteral("最近%1天没有练习。").arg(ChartDays));
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < charts.size(); ++i)
        grid->addWidget(charts[i], i / 2, i % 2);
    return area;
}

QWidget* frmRecords::createRecentRuns(const ProgressReport& report)
{
    const QStringList headers = {QStringLiteral("时间"), QStringLiteral("练习"), QStringLiteral("题数"),
                                 QStringLiteral("答对"), QStringLiteral("得分"), QStringLiteral("用时")};
    auto* table = new QTableWidget(static_cast<int>(report.recentRuns.size()), static_cast<int>(headers.size()));
    table->setObjectName(QStringLiteral("grdRecent"));
    table->setAccessibleName(QStringLiteral("最近的练习"));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < report.recentRuns.size(); ++row) {
        const RunLine& run = report.recentRuns[row];
        const double score = run.questions > 0 ? std::floor(run.right / run.questions * 100) : 0;
        const QStringList cells = {
            run.when == 0 ? QDate::fromJulianDay(run.day).toString(QStringLiteral("yyyy-MM-dd 全天"))
                          : localTime(run.when, QStringLiteral("yyyy-MM-dd HH:mm")),
            run.exercise, QString::number(run.questions), QString::number(run.right), QString::number(score),
            duration(run.seconds)};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    // Wide enough for every column; the charts take the rest.
    table->setMinimumWidth(table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width()
                           + 2 * table->frameWidth());
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void frmRecords::cmdExport_Click()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A name may hold what a file name cannot, such as a slash.
    QString name = m_keeper.Chosen()->name;
    name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("_"));
    const QString suggested = QDir(folder).filePath(name + QStringLiteral("的成绩.csv"));
    const QString path = Platform::Files().SaveFileName(QStringLiteral("导出成绩"), suggested,
                                                        QStringLiteral("CSV 表格 (*.csv)"));
    if (path.isEmpty())
        return;
    if (RecordExport::Write(m_keeper, path))
        Platform::Messages().Information(QStringLiteral("成绩已导出到：\n") + path);
    else
        Platform::Messages().Information(QStringLiteral("无法导出到：\n") + path);
}
