#include "platform/PictureBox.h"

#include "TestEnvironment.h"
#include "abacus/cAbacus.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr std::int32_t Red = 0x0000FF;
constexpr std::int32_t Green = 0x00FF00;
constexpr std::int32_t Blue = 0xFF0000;
constexpr QSize BoxSize(200, 100);

// The run of non-background pixels through `from` along `step`, counted both ways.
int thickness(const QImage& image, QPoint from, QPoint step, QColor background)
{
    int run = 0;
    for (QPoint p = from; image.rect().contains(p) && image.pixelColor(p) != background; p += step)
        ++run;
    for (QPoint p = from - step; image.rect().contains(p) && image.pixelColor(p) != background; p -= step)
        ++run;
    return run;
}

QImage shown(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Pixels of `picture` whose colour is nowhere within `reach` pixels of the same place in `expected`.
int strayPixels(const QImage& picture, const QImage& expected, int reach)
{
    int stray = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = expected.valid(x + dx, y + dy) && expected.pixel(x + dx, y + dy) == picture.pixel(x, y);
            stray += !found;
        }
    return stray;
}

}  // namespace

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colourValues_data();
    void colourValues();
    void backColorAndClear();
    void yGrowsUpward();
    void nonUniformScale();
    void mapping_data();
    void mapping();
    void lineWidthStaysInPixels_data();
    void lineWidthStaysInPixels();
    void resizeKeepsTheDrawing();
    void clearForgetsWhatResizeWouldRepaint();
    void mouseMoveInUserUnits();
    void dragReportsTheButtons();
    void mouseReleaseInUserUnits();
    void comesBackAfterHideAndShow();
    void sameAbacusAndClicksAtEveryDensity_data();
    void sameAbacusAndClicksAtEveryDensity();
    void partialRedrawsMatchAFreshDrawing();

private:
    PictureBox* m_box = nullptr;
};

void TestPictureBox::init()
{
    m_box = new PictureBox;
    m_box->resize(BoxSize);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    QCOMPARE(m_box->picture().size(), BoxSize);
    // 10 pixels per unit both ways; y = 0 at the bottom.
    m_box->setScale(0, 10, 20, 0);
}

void TestPictureBox::cleanup()
{
    delete m_box;
    m_box = nullptr;
}

void TestPictureBox::colourValues_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("expected");

    QTest::addRow("red") << Red << QColor(255, 0, 0);
    QTest::addRow("green") << Green << QColor(0, 255, 0);
    QTest::addRow("blue") << Blue << QColor(0, 0, 255);
    QTest::addRow("bead at rest") << 12640511 << QColor(255, 224, 192);
    QTest::addRow("bead at the beam") << 16776960 << QColor(0, 255, 255);
    QTest::addRow("mixed bytes") << 0x123456 << QColor(0x56, 0x34, 0x12);
}

void TestPictureBox::colourValues()
{
    QFETCH(int, colour);
    QFETCH(QColor, expected);

    m_box->setLineWidth(3);
    m_box->drawLine(2, 5, 18, 5, colour);
    const QImage picture = m_box->picture();
    QCOMPARE(picture.pixelColor(100, 50), expected);
    QCOMPARE(picture.pixelColor(100, 20), QColor(Qt::black));
}

void TestPictureBox::backColorAndClear()
{
    m_box->setLineWidth(3);
    m_box->drawLine(2, 5, 18, 5, Red);
    m_box->setBackColor(Blue);
    // A new background wipes the picture.
    QCOMPARE(m_box->picture().pixelColor(100, 50), QColor(0, 0, 255));

    m_box->drawLine(2, 5, 18, 5, Green);
    QCOMPARE(m_box->picture().pixelColor(100, 50), QColor(0, 255, 0));
    m_box->clear();
    const QImage picture = m_box->picture();
    QCOMPARE(picture.pixelColor(100, 50), QColor(0, 0, 255));
    QCOMPARE(picture.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(picture.pixelColor(199, 99), QColor(0, 0, 255));
}

void TestPictureBox::yGrowsUpward()
{
    m_box->setLineWidth(3);
    m_box->drawLine(2, 8, 18, 8, Red);
    m_box->drawLine(2, 1, 18, 1, Green);
    const QImage picture = m_box->picture();
    QCOMPARE(picture.pixelColor(100, 20), QColor(255, 0, 0));
    QCOMPARE(picture.pixelColor(100, 90), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(100, 80), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(100, 10), QColor(Qt::black));
}

void TestPictureBox::nonUniformScale()
{
    // 10 pixels per unit across, 1 pixel per unit up.
    m_box->setScale(0, 100, 20, 0);
    m_box->setLineWidth(3);
    m_box->drawLine(5, 75, 15, 75, Red);
    m_box->drawLine(3, 0, 3, 100, Green);
    const QImage picture = m_box->picture();
    QCOMPARE(picture.pixelColor(100, 25), QColor(255, 0, 0));
    QCOMPARE(picture.pixelColor(40, 25), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(100, 75), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(30, 5), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(30, 95), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(50, 50), QColor(Qt::black));
}

void TestPictureBox::mapping_data()
{
    QTest::addColumn<QRectF>("scale");  // left, top as x, y; right, bottom as the far corner
    QTest::addColumn<QPointF>("user");
    QTest::addColumn<QPointF>("widget");

    const QRectF abacus = QRectF(QPointF(-1, 121), QPointF(190, -1));
    QTest::addRow("top left") << abacus << QPointF(-1, 121) << QPointF(0, 0);
    QTest::addRow("bottom right") << abacus << QPointF(190, -1) << QPointF(200, 100);
    QTest::addRow("beam centre") << abacus << QPointF(94.5, 60) << QPointF(100, 100.0 * 61 / 122);
    QTest::addRow("plain") << QRectF(QPointF(0, 10), QPointF(20, 0)) << QPointF(5, 2.5) << QPointF(50, 75);
}

void TestPictureBox::mapping()
{
    QFETCH(QRectF, scale);
    QFETCH(QPointF, user);
    QFETCH(QPointF, widget);

    m_box->setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
    const QPointF mapped = m_box->toWidget(user);
    QVERIFY(qAbs(mapped.x() - widget.x()) < 1e-9 && qAbs(mapped.y() - widget.y()) < 1e-9);
    const QPointF back = m_box->toUser(widget);
    QVERIFY(qAbs(back.x() - user.x()) < 1e-9 && qAbs(back.y() - user.y()) < 1e-9);
}

void TestPictureBox::lineWidthStaysInPixels_data()
{
    QTest::addColumn<QRectF>("scale");
    QTest::addColumn<QRectF>("rectangle");  // user corners, left edge at pixel 20 and top edge at pixel 20

    QTest::addRow("10 px per unit") << QRectF(QPointF(0, 10), QPointF(20, 0)) << QRectF(QPointF(2, 8), QPointF(18, 2));
    QTest::addRow("100 px per unit") << QRectF(QPointF(0, 1), QPointF(2, 0))
                                     << QRectF(QPointF(0.2, 0.8), QPointF(1.8, 0.2));
    QTest::addRow("non-uniform") << QRectF(QPointF(0, 10), QPointF(2000, 0))
                                 << QRectF(QPointF(200, 8), QPointF(1800, 2));
}

void TestPictureBox::lineWidthStaysInPixels()
{
    QFETCH(QRectF, scale);
    QFETCH(QRectF, rectangle);

    m_box->setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
    m_box->setLineWidth(5);
    m_box->drawRectangle(static_cast<float>(rectangle.left()), static_cast<float>(rectangle.top()),
                         static_cast<float>(rectangle.right()), static_cast<float>(rectangle.bottom()), Red);
    const QImage picture = m_box->picture();
    const int across = thickness(picture, QPoint(20, 50), QPoint(1, 0), Qt::black);
    const int down = thickness(picture, QPoint(100, 20), QPoint(0, 1), Qt::black);
    QVERIFY2(across >= 4 && across <= 6, qPrintable(QString::number(across)));
    QVERIFY2(down >= 4 && down <= 6, qPrintable(QString::number(down)));
    // An outline, not a filled rectangle.
    QCOMPARE(picture.pixelColor(100, 50), QColor(Qt::black));
}

void TestPictureBox::resizeKeepsTheDrawing()
{
    m_box->setLineWidth(3);
    m_box->drawLine(2, 5, 18, 5, Red);
    m_box->drawRectangle(1, 9, 19, 1, Green);
    m_box->resize(400, 300);
    QTRY_COMPARE(m_box->picture().size(), QSize(400, 300));

    const QImage picture = m_box->picture();
    QCOMPARE(picture.pixelColor(200, 150), QColor(255, 0, 0));
    QCOMPARE(picture.pixelColor(200, 75), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(20, 150), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(200, 30), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(200, 270), QColor(0, 255, 0));
}

void TestPictureBox::clearForgetsWhatResizeWouldRepaint()
{
    m_box->setLineWidth(3);
    m_box->drawLine(2, 5, 18, 5, Red);
    m_box->clear();
    m_box->resize(400, 300);
    QTRY_COMPARE(m_box->picture().size(), QSize(400, 300));
    QCOMPARE(m_box->picture().pixelColor(200, 150), QColor(Qt::black));
}

void TestPictureBox::mouseMoveInUserUnits()
{
    QSignalSpy moved(m_box, &PictureBox::mouseMoved);
    QTest::mouseMove(m_box, QPoint(50, 25));
    QTRY_VERIFY(!moved.isEmpty());
    const QList<QVariant> last = moved.last();
    QCOMPARE(last.at(2).toFloat(), 5.0f);
    QCOMPARE(last.at(3).toFloat(), 7.5f);

    m_box->setScale(-1, 121, 190, -1);
    QTest::mouseMove(m_box, QPoint(100, 50));
    QTRY_COMPARE(moved.last().at(2).toFloat(), 94.5f);
    QCOMPARE(moved.last().at(3).toFloat(), 60.0f);
}

void TestPictureBox::dragReportsTheButtons()
{
    QSignalSpy moved(m_box, &PictureBox::mouseMoved);
    QTest::mousePress(m_box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(m_box, QPoint(30, 90));
    QTest::mouseRelease(m_box, Qt::LeftButton, Qt::NoModifier, QPoint(30, 90));
    QVERIFY(!moved.isEmpty());
    const QList<QVariant> last = moved.last();
    QCOMPARE(last.at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    QCOMPARE(last.at(2).toFloat(), 3.0f);
    QCOMPARE(last.at(3).toFloat(), 1.0f);
}

void TestPictureBox::mouseReleaseInUserUnits()
{
    QSignalSpy released(m_box, &PictureBox::mouseReleased);
    QTest::mousePress(m_box, Qt::LeftButton, Qt::NoModifier, QPoint(150, 75));
    QTest::mouseRelease(m_box, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 75));
    QCOMPARE(released.size(), 1);
    const QList<QVariant> args = released.first();
    QCOMPARE(args.at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(args.at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(args.at(2).toFloat(), 15.0f);
    QCOMPARE(args.at(3).toFloat(), 2.5f);
}

void TestPictureBox::comesBackAfterHideAndShow()
{
    m_box->setLineWidth(3);
    m_box->drawLine(2, 5, 18, 5, Red);
    m_box->drawLine(10, 1, 10, 9, Blue);
    const QImage before = m_box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(before.pixelColor(50, 50), QColor(255, 0, 0));
    QCOMPARE(before.pixelColor(100, 20), QColor(0, 0, 255));

    m_box->hide();
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    const QImage after = m_box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(after, before);
    QCOMPARE(after, m_box->picture().convertToFormat(QImage::Format_RGB32));
}

void TestPictureBox::sameAbacusAndClicksAtEveryDensity_data()
{
    QTest::addColumn<QScreen*>("screen");
    for (QScreen* screen : QGuiApplication::screens())
        QTest::addRow("%s", qPrintable(screen->name())) << screen;
}

void TestPictureBox::sameAbacusAndClicksAtEveryDensity()
{
    QFETCH(QScreen*, screen);
    TestEnvironment env;
    cAbacus abacus;
    abacus.Init(m_box, 5);
    abacus.Draw(0);
    connect(m_box, &PictureBox::mouseMoved, m_box, [&](auto, auto, float x, float y) { abacus.IsSelect(x, y); });
    connect(m_box, &PictureBox::mouseReleased, m_box, [&](auto, auto, float x, float y) { abacus.MouseUp(x, y); });
    const QImage atOne = shown(m_box);

    // Drawn again at the new screen's density and shown pixel for pixel, its
    // edges where those of the picture at 100 % are, give or take a bead line.
    const qreal ratio = screen->devicePixelRatio();
    m_box->setScreen(screen);
    m_box->move(screen->geometry().topLeft());
    QTRY_COMPARE(m_box->picture().devicePixelRatio(), ratio);
    const QImage picture = shown(m_box);
    QCOMPARE(picture, m_box->picture().convertToFormat(QImage::Format_RGB32));
    const QImage scaled = atOne.scaled((QSizeF(BoxSize) * ratio).toSize());
    QCOMPARE(strayPixels(picture, scaled, qCeil(2 * ratio)), 0);
    QCOMPARE(strayPixels(scaled, picture, qCeil(2 * ratio)), 0);

    // Rod 2's lower bead farthest from the beam (4), then rod 4's upper bead (5).
    for (const QPointF bead : {QPointF(90, 15), QPointF(150, 95)}) {
        const QPoint pointer = m_box->toWidget(bead).toPoint();
        QCOMPARE(shown(m_box).pixelColor((QPointF(pointer) * ratio).toPoint()), QColor(255, 224, 192));
        QTest::mouseMove(m_box, pointer);
        QTest::mouseClick(m_box, Qt::LeftButton, Qt::NoModifier, pointer);
    }
    QCOMPARE(abacus.Value(), 405.0);

    // Each click redrew only the rod it changed: the picture is the one drawn afresh.
    PictureBox fresh;
    fresh.setScreen(screen);
    fresh.setGeometry(QRect(screen->geometry().topLeft(), BoxSize));
    fresh.show();
    cAbacus again;
    again.Init(&fresh, 5);
    again.Draw(405);
    QCOMPARE(m_box->picture(), fresh.picture());
}

void TestPictureBox::partialRedrawsMatchAFreshDrawing()
{
    struct Stroke {
        bool rectangle;
        int width;
        float x1, y1, x2, y2;
        std::int32_t colour;
    };
    const auto draw = [](PictureBox& box, const Stroke& stroke) {
        box.setLineWidth(stroke.width);
        if (stroke.rectangle)
            box.drawRectangle(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.colour);
        else
            box.drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.colour);
    };
    const std::int32_t palette[] = {Red, Green, Blue, 0};
    std::mt19937 random(2026);
    const auto coordinate = [&random](float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    };
    std::vector<Stroke> sinceClear;
    std::int32_t background = 0;
    for (int step = 1; step <= 900; ++step) {
        const unsigned action = random() % 24;
        if (action == 0) {
            m_box->clear();
            sinceClear.clear();
        } else if (action == 1) {
            m_box->resize(static_cast<int>(random() % 300) + 1, static_cast<int>(random() % 200) + 1);
        } else if (action == 2) {
            background = palette[random() % 4];
            m_box->setBackColor(background);
            sinceClear.clear();
        } else if (action < 6) {
            // The box brings its image up to date from its event loop.
            QCoreApplication::processEvents();
        } else {
            const Stroke stroke{action == 6,          static_cast<int>(random() % 5) + 1, coordinate(-5, 25),
                                coordinate(-5, 15),   coordinate(-5, 25),                 coordinate(-5, 15),
                                palette[random() % 4]};
            draw(*m_box, stroke);
            sinceClear.push_back(stroke);
        }
        if (step % 30 != 0)
            continue;
        PictureBox fresh;
        fresh.setGeometry(QRect(m_box->pos(), m_box->size()));
        fresh.show();
        fresh.setScale(0, 10, 20, 0);
        fresh.setBackColor(background);
        for (const Stroke& stroke : sinceClear)
            draw(fresh, stroke);
        QVERIFY2(m_box->picture() == fresh.picture(), qPrintable(QStringLiteral("after step %1").arg(step)));
    }
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCREENS_CONFIG);
    QApplication application(argc, argv);
    TestPictureBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturebox.moc"
