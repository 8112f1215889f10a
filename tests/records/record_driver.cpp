// Records results for the child chosen in the file named on the command
// line, and prints each result's number once it is kept: "3" means the
// results 1 to 3 were written. With a count of 0 it goes on until killed.
#include "records/RecordKeeper.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    RecordKeeper keeper(QString::fromLocal8Bit(argv[1]));
    keeper.OpenAtStart();
    if (!keeper.Recording())
        return 1;
    const long count = std::atol(argv[2]);
    for (long i = 1; count == 0 || i <= count; ++i) {
        keeper.Keep(BeadRunResult{.exercise = "识珠学习", .when = 1'700'000'000 + i, .questions = 10, .right = 7});
        std::printf("%ld\n", i);
        std::fflush(stdout);
    }
    return keeper.Recording() ? 0 : 1;
}
