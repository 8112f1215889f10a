// Records results for the child chosen in the file named on the command line
// until it is killed, and prints each result's number once it is kept.
#include "records/RecordKeeper.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    RecordKeeper keeper(QString::fromLocal8Bit(argc == 2 ? argv[1] : ""));
    keeper.OpenAtStart();
    for (long i = 1; keeper.Recording(); ++i) {
        keeper.Keep(BeadRunResult{.exercise = "识珠学习", .when = 1'700'000'000 + i, .questions = 10, .right = 7});
        std::printf("%ld\n", i);
        std::fflush(stdout);
    }
    return 1;
}
