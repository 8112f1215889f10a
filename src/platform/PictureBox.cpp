#include "platform/PictureBox.h"

#include "platform/AliasedLine.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

QRgb fromColourValue(std::int32_t bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// One row by hand, the others copied from it: the library's copy is
// vectorised, a loop storing one pixel at a time is not.
void fill(QImage& image, const QRect& pixels, QRgb colour)
{
    const qsizetype stride = image.bytesPerLine() / 4;
    QRgb* const first = reinterpret_cast<QRgb*>(image.bits()) + pixels.top() * stride + pixels.left();
    std::fill_n(first, pixels.width(), colour);
    for (int y = 1; y < pixels.height(); ++y)
        std::copy_n(first, pixels.width(), first + y * stride);
}

// QRect's own tests are not inline, and these run for every line.
bool within(const QRect& inner, const QRect& outer)
{
    return inner.left() >= outer.left() && inner.top() >= outer.top() && inner.right() <= outer.right()
        && inner.bottom() <= outer.bottom();
}

void extend(QRect& area, const QRect& added)
{
    if (area.isEmpty())
        area = added;
    else if (!added.isEmpty() && !within(added, area))
        area |= added;
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
    const QRgb background = fromColourValue(colour);
    if (background != m_background)
        m_inked = m_image.rect();
    m_background = background;
    clear();
}

void PictureBox::clear()
{
    // Only what was drawn since the last clear needs wiping, and a second
    // clear in a row (the abacus clears twice before each drawing) nothing.
    m_sinceClear.clear();
    if (m_inked.isEmpty())
        return;
    fill(m_image, m_inked, m_background);
    changed(m_inked);
    m_inked = QRect();
}

void PictureBox::setLineWidth(int pixels) { m_lineWidth = pixels; }

void PictureBox::drawLine(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    m_sinceClear.push_back({false, m_lineWidth, fromColourValue(colour), QLineF(x1, y1, x2, y2)});
    paintStroke(m_sinceClear.back());
}

void PictureBox::drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    m_sinceClear.push_back({true, m_lineWidth, fromColourValue(colour), QLineF(x1, y1, x2, y2)});
    paintStroke(m_sinceClear.back());
}

void PictureBox::paintStroke(const Stroke& stroke)
{
    const int width = std::max(1, qRound(stroke.width * m_ratio));
    QRect touched;
    if (stroke.rectangle) {
        const QRectF r = m_toPixels.mapRect(QRectF(stroke.points.p1(), stroke.points.p2()));
        const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()};
        for (int side = 0; side < 4; ++side)
            touched |= AliasedLine::Draw(m_image, QLineF(corners[side], corners[side + 1]), width, stroke.colour);
    } else {
        touched = AliasedLine::Draw(m_image, toPixels(stroke.points), width, stroke.colour);
    }
    extend(m_inked, touched);
    changed(touched);
}

// Asks for a repaint of what changed, once for the many lines of a drawing
// that all fall inside what was cleared before them.
void PictureBox::changed(const QRect& pixels)
{
    if (pixels.isEmpty() || within(pixels, m_unshown))
        return;
    extend(m_unshown, pixels);
    const QRectF inWidget(m_unshown.x() / m_ratio, m_unshown.y() / m_ratio, m_unshown.width() / m_ratio,
                          m_unshown.height() / m_ratio);
    update(inWidget.toAlignedRect());
}

// m_toPixels only scales and shifts; QTransform::map would first ask which.
QLineF PictureBox::toPixels(const QLineF& user) const
{
    const double sx = m_toPixels.m11();
    const double sy = m_toPixels.m22();
    return {user.x1() * sx + m_toPixels.dx(), user.y1() * sy + m_toPixels.dy(), user.x2() * sx + m_toPixels.dx(),
            user.y2() * sy + m_toPixels.dy()};
}

QImage PictureBox::picture() { return m_image; }

QPointF PictureBox::toUser(QPointF widgetPosition) const { return m_transform.inverted().map(widgetPosition); }

QPointF PictureBox::toWidget(QPointF userPosition) const { return m_transform.map(userPosition); }

void PictureBox::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another pixel density: draw everything again at
    // that density rather than stretch the old pixels.
    if (devicePixelRatioF() != m_ratio) {
        rebuildImage();
        if (event->rect() != rect())
            update();
    }
    m_unshown = QRect();
    // Whole, at the widget's origin: the image has the screen's pixel
    // density, and the painter keeps to the region being repainted.
    QPainter onScreen(this);
    onScreen.drawImage(QPointF(0, 0), m_image);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuildImage();
    update();
}

void PictureBox::rebuildImage()
{
    m_ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * m_ratio).toSize().expandedTo(QSize(1, 1));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(m_background);
    m_inked = QRect();
    // The caller shows the whole new image.
    m_unshown = m_image.rect();
    updateTransform();
    for (const Stroke& stroke : m_sinceClear)
        paintStroke(stroke);
}

void PictureBox::updateTransform()
{
    const double sx = width() / (m_right - m_left);
    const double sy = height() / (m_bottom - m_top);
    m_transform = QTransform(sx, 0, 0, sy, -m_left * sx, -m_top * sy);
    m_toPixels = m_transform * QTransform::fromScale(m_ratio, m_ratio);
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
