#pragma once

class ReportTable;

// The designed windows re-scaled as the main window is resized with
// "放大到窗口" on; the factor frmShow9 takes in a 1920 x 1080 main window.
namespace ScaleBench {
// Returns that factor of frmShow9.
double Run(ReportTable& table);
}
