#include "mental/FlashStage.h"

#include "abacus/ProgramWide.h"
#include "exercises/NumberText.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor Added(0, 0, 0);
const QColor Subtracted(255, 0, 0);
const QString Minus = QStringLiteral("\u2212");
// The digits' ink fills this much of the stage's height at most, and the
// text this much of its width.
constexpr double HeightShare = 0.8;
constexpr double WidthShare = 0.96;
// Digits may be drawn down to this share of their width where the stage is too narrow for them.
constexpr double NarrowestDigits = 0.7;
// Measured once at this size, then scaled.
constexpr int MeasuringPixels = 100;
// The minus beside the abacus: its length and thickness in abacus heights.
constexpr double MinusLength = 0.3;
constexpr double MinusThickness = 0.06;

QFont digitFont(int pixels)
{
    QFont font = Fonts::Tahoma(10);
    font.setPixelSize(std::max(1, pixels));
    return font;
}

// The abacus's user scale: its width and height in user units.
QSizeF abacusUnits(int rods)
{
    // As cAbacus sets its scale for up to seven rods: left -1, right 30 x (rods - 1) + 70, top 121, bottom -1.
    return {30.0 * (rods - 1) + 71, 122};
}

}  // namespace

FlashStage::FlashStage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("stage"));
    // It takes the focus while numbers flash, for screen readers; it is no Tab stop.
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture = new PictureBox(this);
    m_picture->setObjectName(QStringLiteral("pic"));
    m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture->hide();
}

void FlashStage::Prepare(Look look, int digits)
{
    m_look = look;
    if (look != Look::Beads)
        return;
    // The normal bead colours, whatever the start-up picture left behind.
    ProgramWide::ColorfulBeads = false;
    if (m_abacus.Cols() != digits + 1)
        m_abacus.Init(m_picture, static_cast<std::int16_t>(digits + 1));
    placePicture();
    // A hidden picture takes its new size only when shown: shown and hidden
    // again at once, it makes its image and draws the frame now, during the
    // ready mark, rather than as the first number is due.
    m_picture->show();
    m_abacus.Draw(0);
    m_picture->picture();
    m_picture->hide();
}

void FlashStage::ShowReady() { present(QStringLiteral("预备"), QStringLiteral("预备"), false, false); }

void FlashStage::ShowNumber(std::int64_t number)
{
    const bool beads = m_look == Look::Beads;
    const auto size = static_cast<double>(std::llabs(number));
    if (beads)
        m_abacus.Draw(size);
    const QString digits = NumberText(size);
    present(number < 0 ? Minus + digits : digits, NumberText(static_cast<double>(number)), number < 0, beads);
}

void FlashStage::ShowBlank() { present(QString(), QString(), false, false); }

void FlashStage::present(const QString& text, const QString& spoken, bool subtracted, bool beads)
{
    m_text = beads ? QString() : text;
    m_subtracted = subtracted;
    m_picture->setVisible(beads);
    setAccessibleName(spoken);
    repaint();
}

FlashStage::DigitFit FlashStage::FitDigits(const QString& text) const
{
    const QFontMetricsF metrics(digitFont(MeasuringPixels));
    const double inkHeight = metrics.tightBoundingRect(QStringLiteral("0123456789")).height();
    const double textWidth = metrics.horizontalAdvance(text);
    const double tall = HeightShare * height() / inkHeight;
    const double room = WidthShare * width() / textWidth;
    // Five digits and a sign on a wide but low screen: narrower digits before smaller ones.
    const double condense = std::clamp(room / tall, NarrowestDigits, 1.0);
    return {static_cast<int>(MeasuringPixels * std::min(tall, room / condense)), condense};
}

void FlashStage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(m_subtracted ? Subtracted : Added);
    if (!m_text.isEmpty()) {
        const DigitFit fit = FitDigits(m_text);
        painter.setFont(digitFont(fit.pixels));
        // Centred on the ink, not on the line: digits have no descent.
        const QRectF ink = painter.fontMetrics().tightBoundingRect(m_text);
        painter.translate(QRectF(rect()).center());
        painter.scale(fit.condense, 1);
        painter.drawText(-ink.center(), m_text);
    } else if (m_subtracted && m_picture->isVisible()) {
        painter.fillRect(minusBar(), Subtracted);
    }
}

void FlashStage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePicture();
}

// The abacus keeps its proportions, centred, with room on its left for the minus.
void FlashStage::placePicture()
{
    const QSizeF units = abacusUnits(m_abacus.Cols());
    const double aspect = units.width() / units.height();
    const double pictureHeight = std::min(height() * HeightShare, width() / (aspect + 2 * MinusLength + 0.2));
    const QSizeF picture(pictureHeight * aspect, pictureHeight);
    QRectF place(QPointF(), picture);
    place.moveCenter(QRectF(rect()).center());
    m_picture->setGeometry(place.toRect());
}

QRectF FlashStage::minusBar() const
{
    const QRectF picture = m_picture->geometry();
    const double length = MinusLength * picture.height();
    const double thickness = MinusThickness * picture.height();
    const double gap = 0.1 * picture.height();
    return {picture.left() - gap - length, picture.center().y() - thickness / 2, length, thickness};
}
