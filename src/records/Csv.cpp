#include "records/Csv.h"

#include <QStringList>

#include <cmath>

namespace Csv {

QString Number(double value)
{
    if (std::floor(value) == value && std::abs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString Field(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() != QMetaType::QString)
        return Number(value.toDouble());
    QString text = value.toString();
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u'"') || text.contains(u',') || text.contains(u'\r') || text.contains(u'\n'))
        return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QByteArray Document(const QList<QVariantList>& rows)
{
    QByteArray document("\xEF\xBB\xBF");
    for (const QVariantList& row : rows) {
        QStringList fields;
        for (const QVariant& value : row)
            fields << Field(value);
        document += fields.join(u',').toUtf8() + "\r\n";
    }
    return document;
}

}  // namespace Csv
