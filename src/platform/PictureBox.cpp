#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>

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

PictureBox::~PictureBox() { finishPainting(); }

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
    finishPainting();
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
    QPainter& p = painter();
    // Cosmetic: the width stays in screen pixels under the non-uniform scale.
    QPen pen(fromColourValue(stroke.colour), stroke.width * m_image.devicePixelRatio());
    pen.setCosmetic(true);
    if (p.pen() != pen)
        p.setPen(pen);
    if (stroke.rectangle)
        p.drawRect(QRectF(stroke.points.p1(), stroke.points.p2()).normalized());
    else
        p.drawLine(stroke.points);
    scheduleRepaint();
}

QPainter& PictureBox::painter()
{
    // One painter stays open across the thousands of lines of a redraw.
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setTransform(m_transform);
        m_painter.setBrush(Qt::NoBrush);
    }
    return m_painter;
}

void PictureBox::finishPainting()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PictureBox::scheduleRepaint()
{
    if (!m_repaintScheduled) {
        m_repaintScheduled = true;
        update();
    }
}

QImage PictureBox::picture()
{
    finishPainting();
    return m_image;
}

QPointF PictureBox::toUser(QPointF widgetPosition) const { return m_transform.inverted().map(widgetPosition); }

QPointF PictureBox::toWidget(QPointF userPosition) const { return m_transform.map(userPosition); }

void PictureBox::paintEvent(QPaintEvent* event)
{
    finishPainting();
    m_repaintScheduled = false;
    QPainter onScreen(this);
    onScreen.drawImage(event->rect(), m_image, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuildImage();
}

void PictureBox::rebuildImage()
{
    finishPainting();
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
    finishPainting();
    const double sx = width() / (m_right - m_left);
    const double sy = height() / (m_bottom - m_top);
    m_transform = QTransform(sx, 0, 0, sy, -m_left * sx, -m_top * sy);
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
