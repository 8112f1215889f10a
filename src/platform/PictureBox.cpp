#include "platform/PictureBox.h"

#include "platform/AliasedLine.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

QColor fromColourValue(std::int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildImage();
}

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    updateTransform();
}

void PictureBox::setBackColor(std::int32_t colour)
{
    // A new background colour wipes the picture, as on a classic picture box.
    m_background = fromColourValue(colour);
    clear();
}

void PictureBox::clear()
{
    m_image.fill(m_background);
    m_sinceClear.clear();
    scheduleRepaint();
}

void PictureBox::setLineWidth(int pixels) { m_lineWidth = pixels; }

void PictureBox::drawLine(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    m_sinceClear.push_back({false, m_lineWidth, colour, QLineF(x1, y1, x2, y2)});
    paintStroke(m_sinceClear.back());
}

void PictureBox::drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    m_sinceClear.push_back({true, m_lineWidth, colour, QLineF(x1, y1, x2, y2)});
    paintStroke(m_sinceClear.back());
}

void PictureBox::paintStroke(const Stroke& stroke)
{
    const int width = std::max(1, qRound(stroke.width * m_image.devicePixelRatio()));
    const QRgb colour = fromColourValue(stroke.colour).rgb();
    if (stroke.rectangle) {
        const QRectF r = m_toPixels.mapRect(QRectF(stroke.points.p1(), stroke.points.p2()));
        const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()};
        for (int side = 0; side < 4; ++side)
            AliasedLine::Draw(m_image, QLineF(corners[side], corners[side + 1]), width, colour);
    } else {
        AliasedLine::Draw(m_image, m_toPixels.map(stroke.points), width, colour);
    }
    scheduleRepaint();
}

void PictureBox::scheduleRepaint()
{
    if (!m_repaintScheduled) {
        m_repaintScheduled = true;
        update();
    }
}

QImage PictureBox::picture() { return m_image; }

void PictureBox::SetFocusMark(const QRectF& user)
{
    m_focusMark = user.normalized();
    update();
}

QPointF PictureBox::toUser(QPointF widgetPosition) const { return m_transform.inverted().map(widgetPosition); }

QPointF PictureBox::toWidget(QPointF userPosition) const { return m_transform.map(userPosition); }

void PictureBox::paintEvent(QPaintEvent* event)
{
    m_repaintScheduled = false;
    QPainter onScreen(this);
    onScreen.drawImage(event->rect(), m_image, event->rect());
    if (!m_focusMark.isEmpty()) {
        QPen dashes(Qt::white, 2, Qt::DashLine);
        dashes.setCosmetic(true);
        onScreen.setPen(dashes);
        onScreen.drawRect(m_transform.mapRect(m_focusMark));
    }
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuildImage();
}

void PictureBox::rebuildImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(m_background);
    updateTransform();
    for (const Stroke& stroke : m_sinceClear)
        paintStroke(stroke);
    scheduleRepaint();
}

void PictureBox::updateTransform()
{
    const double sx = width() / (m_right - m_left);
    const double sy = height() / (m_bottom - m_top);
    m_transform = QTransform(sx, 0, 0, sy, -m_left * sx, -m_top * sy);
    const qreal ratio = m_image.devicePixelRatio();
    m_toPixels = m_transform * QTransform::fromScale(ratio, ratio);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF user = toUser(event->position());
    emit mouseMoved(event->buttons(), event->modifiers(), static_cast<float>(user.x()),
                    static_cast<float>(user.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF user = toUser(event->position());
    emit mouseReleased(event->button(), event->modifiers(), static_cast<float>(user.x()),
                       static_cast<float>(user.y()));
}
