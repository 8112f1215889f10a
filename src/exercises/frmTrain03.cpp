#include "exercises/frmTrain03.h"

frmTrain03::frmTrain03()
    : BeadRecognitionWindow({
          .labShow = TwipsRect(14760, 1680, 1575, 375),
          .labScore = TwipsRect(15120, 2280, 750, 870),
          .Label2 = TwipsRect(1080, 9375, 1425, 345),
          .txtNum = TwipsRect(2640, 9360, 795, 495),
          .Label3 = TwipsRect(3600, 9375, 1815, 345),
          .txtTime = TwipsRect(5280, 9308, 855, 465),
          .Label4 = TwipsRect(6480, 9375, 855, 345),
          .txtDig = TwipsRect(7560, 9308, 615, 465),
      })
{
}

QString frmTrain03::Caption() const { return QStringLiteral("识珠练习"); }

void frmTrain03::Form_Load()
{
    LoadAbacus(4, 0);
    LetChildMoveBeads();
}
