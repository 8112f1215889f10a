#pragma once

#include <QRect>

// Where a bead-recognition window places the widgets whose places differ
// between the learning and the practice window, in pixels.
struct BeadRecognitionLayout {
    QRect labShow;
    QRect labScore;
    QRect Label2;
    QRect txtNum;
    QRect Label3;
    QRect txtTime;
    QRect Label4;
    QRect txtDig;
};
