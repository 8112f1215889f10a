#pragma once

class ReportTable;

// A full cAbacus::Draw on a shown PictureBox at the sizes the windows use,
// without and with the repaint of the widget.
namespace DrawBench {
void Run(ReportTable& table);
}
