#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// Finding things on a screenshot by their colours.
namespace ScreenSearch {

using ColourTest = bool (*)(QRgb);

bool IsBlack(QRgb pixel);
// The purple of the start-up picture's brand and contact lines.
bool IsPurple(QRgb pixel);
// The red of the tick and cross marks.
bool IsRed(QRgb pixel);
// Dark grey to black: printed text on the light window background.
bool IsInk(QRgb pixel);

// A picture box with a black background inside `within`: the topmost row
// with a black run at least minimumWidth long gives its top, left and right;
// it reaches down as far as both side columns stay black. An empty rectangle
// when there is none.
QRect FindBlackPicture(const QImage& screen, const QRect& within, int minimumWidth);

int Count(const QImage& screen, const QRect& area, ColourTest test);

}  // namespace ScreenSearch
