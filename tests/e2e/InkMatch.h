#pragma once

#include "ScreenSearch.h"

#include <QImage>

// How alike two pictures of the same widget are, judged on their inked
// pixels only (text, marks), so that hover shading and focus frames do not count.
namespace InkMatch {

// The screen and this process draw text with the same fonts and the same
// rasteriser, so a widget and its replica match pixel for pixel. A little
// room is left all the same; one character more or less in a short caption
// falls far below SameText, and in a message of a few lines below SameMessage.
constexpr double SameText = 0.9;
constexpr double SameMessage = 0.995;

// Intersection over union of the inked pixels, best over shifts of up to
// maxShift pixels either way; 1 for two pictures without ink.
double Similarity(const QImage& a, const QImage& b, ScreenSearch::ColourTest ink, int maxShift = 2);

}  // namespace InkMatch
