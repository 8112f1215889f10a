#include "platform/AliasedLine.h"

#include <QTest>

#include <limits>

class AliasedLineTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void coveredColumns_data();
    void coveredColumns();
    void endPointsAreIncluded();
    void clippedAtTheImageEdges();
    void brokenCoordinatesDrawNothing_data();
    void brokenCoordinatesDrawNothing();

private:
    int painted() const;
    QList<int> paintedColumns(int row) const;

    QImage m_image;
};

const QRgb Ink = qRgb(255, 0, 0);

void AliasedLineTest::init()
{
    m_image = QImage(40, 30, QImage::Format_RGB32);
    m_image.fill(Qt::black);
}

int AliasedLineTest::painted() const
{
    int count = 0;
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x)
            count += m_image.pixel(x, y) == Ink;
    return count;
}

QList<int> AliasedLineTest::paintedColumns(int row) const
{
    QList<int> columns;
    for (int x = 0; x < m_image.width(); ++x)
        if (m_image.pixel(x, row) == Ink)
            columns.append(x);
    return columns;
}

void AliasedLineTest::coveredColumns_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("columns");
    // Pixels whose centres lie within half the width of the line.
    QTest::addRow("width 1 on a centre") << 10.5 << 1 << QList<int>{10};
    QTest::addRow("width 2 left of a border") << 10.2 << 2 << QList<int>{9, 10};
    QTest::addRow("width 2 right of a border") << 10.8 << 2 << QList<int>{10, 11};
    QTest::addRow("width 3") << 10.5 << 3 << QList<int>{9, 10, 11};
    QTest::addRow("width 5") << 20.0 << 5 << QList<int>{17, 18, 19, 20, 21};
}

void AliasedLineTest::coveredColumns()
{
    QFETCH(double, x);
    QFETCH(int, width);
    QFETCH(QList<int>, columns);
    AliasedLine::Draw(m_image, QLineF(x, 5, x, 20), width, Ink);
    QCOMPARE(paintedColumns(12), columns);
}

void AliasedLineTest::endPointsAreIncluded()
{
    AliasedLine::Draw(m_image, QLineF(3.5, 7.5, 12.5, 7.5), 1, Ink);
    QCOMPARE(paintedColumns(7), (QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(painted(), 10);
}

void AliasedLineTest::clippedAtTheImageEdges()
{
    AliasedLine::Draw(m_image, QLineF(-100, 10.5, 100, 10.5), 2, Ink);
    QCOMPARE(painted(), 2 * m_image.width());
    AliasedLine::Draw(m_image, QLineF(-5, -5, -1, -1), 3, Ink);
    QCOMPARE(painted(), 2 * m_image.width());
}

void AliasedLineTest::brokenCoordinatesDrawNothing_data()
{
    QTest::addColumn<QLineF>("line");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::addRow("nan") << QLineF(nan, 1, 5, 5);
    QTest::addRow("infinity") << QLineF(1, 1, infinity, 5);
    QTest::addRow("far away") << QLineF(1, 1, 1e12, 5);
}

void AliasedLineTest::brokenCoordinatesDrawNothing()
{
    QFETCH(QLineF, line);
    AliasedLine::Draw(m_image, line, 2, Ink);
    QCOMPARE(painted(), 0);
}

QTEST_APPLESS_MAIN(AliasedLineTest)
#include "tst_aliasedline.moc"
