#include "AbacusReader.h"
#include "Design.h"
#include "InkMatch.h"
#include "Replica.h"
#include "ScreenSearch.h"
#include "TestEnvironment.h"

#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"

#include <QPainter>
#include <QTest>

// The end-to-end test believes what these readers tell it about the screen,
// so they are checked here against pictures drawn by the program's own
// abacus and widgets, offscreen.
class ReadersTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheNumberTheAbacusShows_data();
    void readsTheNumberTheAbacusShows();
    void beadsBetweenTheirPlacesMakeNoDigit();
    void findsNoPictureWhereNothingIsBlack();
    void tellsDigitCaptionsApart_data();
    void tellsDigitCaptionsApart();
    void tellsTheMarksApart();
    void tellsMessagesApartByOneDigit();
};

namespace {

const QPoint Offset(37, 53);
const QRgb WindowGrey = qRgb(239, 239, 239);

// A screen with the abacus picture pasted at Offset, on window grey.
QImage screenWith(const QImage& picture)
{
    QImage screen(picture.width() + 200, picture.height() + 150, QImage::Format_RGB32);
    screen.fill(WindowGrey);
    QPainter painter(&screen);
    painter.drawImage(Offset, picture);
    return screen;
}

QImage drawnAbacus(const QSize& size, int rods, double value)
{
    PictureBox box;
    box.resize(size);
    // A hidden widget takes its new size only when it is shown.
    box.show();
    cAbacus abacus;
    abacus.Init(&box, static_cast<std::int16_t>(rods));
    abacus.Draw(value);
    return box.picture().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void ReadersTest::readsTheNumberTheAbacusShows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("rods");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("colourful");
    const QSize learning = Design::frmTrain01.pic.size();
    QTest::addRow("learning window, 0") << learning << 5 << 0.0 << false;
    QTest::addRow("learning window, 8") << learning << 5 << 8.0 << false;
    QTest::addRow("learning window, every digit") << learning << 5 << 13579.0 << false;
    QTest::addRow("learning window, nines") << learning << 5 << 99999.0 << false;
    QTest::addRow("practice window, 51") << learning << 4 << 51.0 << false;
    QTest::addRow("training window, 46") << Design::frmTrain02.pic.size() << 5 << 46.0 << false;
    QTest::addRow("demonstration, start") << Design::frmShow9.pic.size() << 10 << 123456789.0 << false;
    QTest::addRow("demonstration, one pass") << Design::frmShow9.pic.size() << 10 << 246913578.0 << false;
    QTest::addRow("demonstration, nine passes") << Design::frmShow9.pic.size() << 10 << 1234567890.0 << false;
    QTest::addRow("start-up, random colours") << Design::StartupAbacus.size() << 5 << 86420.0 << true;
    QTest::addRow("start-up, other colours") << Design::StartupAbacus.size() << 5 << 10000.0 << true;
}

void ReadersTest::readsTheNumberTheAbacusShows()
{
    QFETCH(QSize, size);
    QFETCH(int, rods);
    QFETCH(double, value);
    QFETCH(bool, colourful);
    TestEnvironment environment;
    ProgramWide::ColorfulBeads = colourful;
    const QImage screen = screenWith(drawnAbacus(size, rods, value));

    const QRect found = ScreenSearch::FindBlackPicture(screen, screen.rect(), size.width() * 3 / 4);
    QCOMPARE(found, QRect(Offset, size));
    const AbacusReader reader(screen, AbacusGeometry(found, rods));
    QCOMPARE(reader.Number(), value);
}

void ReadersTest::beadsBetweenTheirPlacesMakeNoDigit()
{
    TestEnvironment environment;
    const QSize size = Design::frmTrain01.pic.size();
    QImage screen = screenWith(drawnAbacus(size, 5, 0));
    const AbacusGeometry geometry(QRect(Offset, size), 5);
    // A fifth lower bead on rod 1, in the gap below the beam, as in the middle of a move.
    QPainter painter(&screen);
    painter.fillRect(
        QRect(geometry.ToScreen(AbacusGeometry::RodX(1) - 8, 60), geometry.ToScreen(AbacusGeometry::RodX(1) + 8, 50)),
        Qt::cyan);
    painter.end();

    const AbacusReader reader(screen, geometry);
    QCOMPARE(reader.Digit(1), -1);
    QCOMPARE(reader.Number(), -1.0);
    QCOMPARE(reader.Describe(), QStringLiteral("0?000"));
}

void ReadersTest::findsNoPictureWhereNothingIsBlack()
{
    QImage screen(300, 200, QImage::Format_RGB32);
    screen.fill(WindowGrey);
    QVERIFY(ScreenSearch::FindBlackPicture(screen, screen.rect(), 50).isEmpty());
    const AbacusReader reader(screen, AbacusGeometry(QRect(10, 10, 200, 150), 5));
    QCOMPARE(reader.Describe(), QStringLiteral("?????"));
}

void ReadersTest::tellsDigitCaptionsApart_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("other");
    for (int shown = 0; shown <= 9; ++shown) {
        for (int other = 0; other <= 9; ++other) {
            if (other != shown)
                QTest::addRow("%d against %d", shown, other) << QString::number(shown) << QString::number(other);
        }
    }
}

void ReadersTest::tellsDigitCaptionsApart()
{
    QFETCH(QString, shown);
    QFETCH(QString, other);
    const QSize size = Design::Train01_cmdNum[0].size();
    const QFont font = Fonts::Tahoma(Design::AnswerPointSize);
    const QImage onScreen = Replica::Button(size, font, shown);
    QCOMPARE(InkMatch::Similarity(onScreen, Replica::Button(size, font, shown), ScreenSearch::IsInk), 1.0);
    QVERIFY(
        InkMatch::Similarity(onScreen, Replica::Button(size, font, other), ScreenSearch::IsInk) < InkMatch::SameText);
}

void ReadersTest::tellsTheMarksApart()
{
    const QSize size = Design::Train02_labScore.size();
    const QFont font = Fonts::Tahoma(Design::MarkPointSize);
    const QStringList marks = {QStringLiteral("√"), QStringLiteral("X"), QStringLiteral("×")};
    for (const QString& shown : marks) {
        const QImage onScreen = Replica::Label(size, font, Qt::red, shown);
        QVERIFY(ScreenSearch::Count(onScreen, onScreen.rect(), ScreenSearch::IsRed) > 30);
        for (const QString& other : marks) {
            const double likeness
                = InkMatch::Similarity(onScreen, Replica::Label(size, font, Qt::red, other), ScreenSearch::IsRed);
            QCOMPARE(likeness >= InkMatch::SameText, shown == other);
        }
    }
}

void ReadersTest::tellsMessagesApartByOneDigit()
{
    const QString summary = QStringLiteral("恭喜完成本轮游戏\r\n共出题：2道,你答对:%1道,答错:%2道 \r\n得分:%3");
    const Replica::MessageBoxPicture shown
        = Replica::MessageBox(QMessageBox::Information, summary.arg(1).arg(1).arg(50));
    const Replica::MessageBoxPicture same
        = Replica::MessageBox(QMessageBox::Information, summary.arg(1).arg(1).arg(50));
    const Replica::MessageBoxPicture other
        = Replica::MessageBox(QMessageBox::Information, summary.arg(1).arg(1).arg(60));
    const Replica::MessageBoxPicture plain = Replica::MessageBox(QMessageBox::NoIcon, summary.arg(1).arg(1).arg(50));
    QCOMPARE(InkMatch::Similarity(shown.message, same.message, ScreenSearch::IsInk), 1.0);
    const double oneDigit = InkMatch::Similarity(shown.message, other.message, ScreenSearch::IsInk);
    QVERIFY2(oneDigit < InkMatch::SameMessage, qPrintable(QString::number(oneDigit)));
    QVERIFY(shown.size != plain.size
        || InkMatch::Similarity(shown.message, plain.message, ScreenSearch::IsInk) < InkMatch::SameMessage);
}

QTEST_MAIN(ReadersTest)
#include "tst_e2e_readers.moc"
