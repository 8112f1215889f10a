#pragma once

#include <vector>

class ReportTable;

// A full cAbacus::Draw on a shown PictureBox at the sizes the windows use,
// without and with the repaint of the widget; frmShow9's also enlarged by
// each of `show9Factors`.
namespace DrawBench {
void Run(ReportTable& table, const std::vector<double>& show9Factors);
}
