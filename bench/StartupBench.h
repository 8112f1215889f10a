#pragma once

class ReportTable;

// The real start (modsub::Main): resident memory after it, then processor
// time while the main window's number show idles.
namespace StartupBench {
void Run(ReportTable& table);
}
