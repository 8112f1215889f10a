#pragma once

#include "exercises/BeadRecognitionWindow.h"

// The bead-recognition practice window: the learning window's run on a
// four-rod abacus whose beads the child can move by pointing and clicking.
class frmTrain03 : public BeadRecognitionWindow {
    Q_OBJECT

public:
    frmTrain03();

protected:
    QString Caption() const override;
    void Form_Load() override;
};
