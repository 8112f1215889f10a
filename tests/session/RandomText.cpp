#include "RandomText.h"

#include <QStringList>

namespace {

// Numbers at the edges of what the windows and the abacus compute with.
const QStringList EdgeNumbers = {
    QStringLiteral("0"),          QStringLiteral("-0"),         QStringLiteral("1"),
    QStringLiteral("-1"),         QStringLiteral("9"),          QStringLiteral("99"),
    QStringLiteral("99999"),      QStringLiteral("100000"),     QStringLiteral("123456789"),
    QStringLiteral("1234567890"), QStringLiteral("2147483647"), QStringLiteral("2147483648"),
    QStringLiteral("-2147483647"), QStringLiteral("-2147483648.5"), QStringLiteral("2147483647.4"),
    QStringLiteral("9999999999"), QStringLiteral("32.767"),     QStringLiteral("32.768"),
    QStringLiteral("1e308"),      QStringLiteral("9e999"),      QStringLiteral("-9e999"),
    QStringLiteral("1e-400"),     QStringLiteral("2.5"),        QStringLiteral("3.5"),
    QStringLiteral(".5"),         QStringLiteral("5."),         QStringLiteral("&HFFFF"),
    QStringLiteral("&H7FFFFFFF"), QStringLiteral("&HFFFFFFFF"), QStringLiteral("&o777"),
    QStringLiteral("&H"),         QStringLiteral("1d3"),        QStringLiteral("1e"),
    QStringLiteral("60"),         QStringLiteral("59"),         QStringLiteral("-5"),
};

const QString Signs = QStringLiteral("+-");
const QString Letters = QStringLiteral("abcdeEfghHxyzDO");
const QString Blanks = QStringLiteral("  \u3000");
const QString Chinese = QStringLiteral("零一二三四五六七八九十百千万算盘珠题");
const QString FullWidth = QStringLiteral("０１２３４５６７８９．－");
const QString Punctuation = QStringLiteral(".,&%$#@!/*()");

}  // namespace

QString RandomText::next()
{
    if (below(40) == 0)
        return longString();
    QString text;
    const int pieces = 1 + below(4);
    for (int i = 0; i < pieces; ++i)
        text += piece();
    return text;
}

QString RandomText::piece()
{
    switch (below(12)) {
    case 0:
    case 1:
        return EdgeNumbers.at(below(static_cast<int>(EdgeNumbers.size())));
    case 2:
    case 3:
    case 4:
        return digits(6);
    case 5:
        return pickFrom(Signs, 1) + digits(4);
    case 6:
        return digits(3) + QStringLiteral(".") + digits(3) + (below(2) ? QStringLiteral("e") + digits(3) : QString());
    case 7:
        return pickFrom(Letters, 1 + below(3));
    case 8:
        return pickFrom(Blanks, 1 + below(2));
    case 9:
        return pickFrom(Chinese, 1 + below(3));
    case 10:
        return pickFrom(FullWidth, 1 + below(3));
    default:
        return pickFrom(Punctuation, 1);
    }
}

QString RandomText::digits(int most)
{
    return pickFrom(QStringLiteral("0123456789"), 1 + below(most));
}

QString RandomText::pickFrom(const QString& characters, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += characters.at(below(static_cast<int>(characters.size())));
    return text;
}

// Hundreds of characters: digits that overflow every range, or a mixture.
QString RandomText::longString()
{
    const int length = 200 + below(1800);
    if (below(2))
        return digits(1) + pickFrom(QStringLiteral("0123456789"), length);
    QString text;
    while (text.size() < length)
        text += piece();
    return text;
}
