#pragma once

#include <QFont>

class QApplication;
class QLabel;

// Fonts of the designed windows, with the nearest installed faces. Every
// list names a Simplified Chinese face explicitly: with Noto CJK alone Qt
// would otherwise fall back to its Japanese glyph shapes.
namespace Fonts {
// SimSun (宋体), or a Song-style face.
QFont Song(double pointSize);
// Tahoma, or a plain sans-serif face.
QFont Tahoma(double pointSize);
// The application's default for menus, message boxes and undesigned text.
void InstallDefault(QApplication& application);
// The designed label sizes fit SimSun's and Tahoma's metrics; another face
// may need more room. Grows the label to fit its text, keeping its top left.
void FitText(QLabel& label);
}  // namespace Fonts
