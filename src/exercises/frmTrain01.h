#pragma once

#include "exercises/BeadRecognitionWindow.h"

// The bead-recognition learning window: numbers on a five-rod abacus that
// only shows them; clicks on its beads move nothing.
class frmTrain01 : public BeadRecognitionWindow {
    Q_OBJECT

public:
    frmTrain01();

protected:
    QString Caption() const override;
    void Form_Load() override;
};
