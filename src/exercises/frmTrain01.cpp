#include "exercises/frmTrain01.h"

frmTrain01::frmTrain01()
    : BeadRecognitionWindow({
          .labShow = TwipsRect(14760, 840, 1575, 375),
          .labScore = TwipsRect(15120, 1800, 750, 870),
          .Label2 = TwipsRect(960, 9375, 1425, 345),
          .txtNum = TwipsRect(2520, 9360, 795, 495),
          .Label3 = TwipsRect(3480, 9375, 1710, 345),
          .txtTime = TwipsRect(5040, 9308, 975, 465),
          .Label4 = TwipsRect(6360, 9375, 855, 345),
          .txtDig = TwipsRect(7440, 9308, 615, 465),
      })
{
}

QString frmTrain01::Caption() const { return QStringLiteral("识珠学习"); }

// Pointer movement is not passed on: a learner reads the numbers, so the
// abacus only redraws on a click and never changes the number asked.
void frmTrain01::Form_Load() { LoadAbacus(5, 0); }
