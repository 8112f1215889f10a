#pragma once

#include <QRect>

// The windows are designed in twips: 15 twips are one pixel at 96 dpi.
constexpr int Twips(int twips) { return (twips + 7) / 15; }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}
