#include "AnimationBench.h"
#include "DrawBench.h"
#include "FlashBench.h"
#include "Measure.h"
#include "QuestionBench.h"
#include "RecordsBench.h"
#include "ReportTable.h"
#include "ScaleBench.h"
#include "SpeechBench.h"
#include "StartupBench.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstring>

int main(int argc, char* argv[])
{
    // The program's settings go to a folder of the benchmark's own: none of
    // the user's is read or written.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--time-one-start") == 0)
        return RecordsBench::TimeOneStart();
    // The starts below find no records of the user's: their data folder is one of the bench's own.
    const QTemporaryDir dataFolder(QDir::current().filePath(QStringLiteral("bench-data-XXXXXX")));
    qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
    // The start-up window is dropped half way; the remaining figures still need an event loop.
    QApplication::setQuitOnLastWindowClosed(false);

    ReportTable table;
    const QString platform = QGuiApplication::platformName();
    table.Headline("abacus-bench on the \"" + platform.toStdString() + "\" platform");
    if (platform == QLatin1String("offscreen"))
        table.Headline("note: the offscreen platform has no real compositor or display server: repaint and "
                       "processor figures cover this process only, not the cost of putting pixels on a screen");
    table.Headline("load average at start: " + Measure::LoadAverage()
                   + " (other programs on this machine stretch the wall times, not the processor times)");
    // First, so that the memory figure is the program's own and not the benchmarks'.
    StartupBench::Run(table);
    const double show9Factor = ScaleBench::Run(table);
    DrawBench::Run(table, {show9Factor, 2});
    AnimationBench::RodChange(table, {1, show9Factor, 2});
    AnimationBench::ProcessorLoad(table);
    QuestionBench::Run(table);
    SpeechBench::Run(table);
    FlashBench::Run(table);
    RecordsBench::Run(table, argv[0]);
    table.Headline("load average at the end: " + Measure::LoadAverage());
    table.Print();
    return 0;
}
