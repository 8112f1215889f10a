#include "platform/Fonts.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>

#include <algorithm>

namespace {

const QStringList ChineseFallbacks = {
    QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("WenQuanYi Micro Hei"),
    QStringLiteral("Source Han Sans SC"),
};

QFont withFamilies(QStringList families, double pointSize)
{
    families += ChineseFallbacks;
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

namespace Fonts {

QFont Song(double pointSize)
{
    return withFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
                         QStringLiteral("AR PL UMing CN"), QStringLiteral("Source Han Serif SC")},
                        pointSize);
}

QFont Tahoma(double pointSize)
{
    return withFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")},
                        pointSize);
}

void InstallDefault(QApplication& application)
{
    // A little larger than the toolkit's default, for young readers.
    constexpr double MinimumPointSize = 10.5;
    QFont font = withFamilies({}, std::max(application.font().pointSizeF(), MinimumPointSize));
    application.setFont(font);
}

void FitText(QLabel& label) { label.resize(label.size().expandedTo(label.sizeHint())); }

}  // namespace Fonts
