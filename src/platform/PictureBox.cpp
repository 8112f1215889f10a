#include "platform/PictureBox.h"

#include "platform/AliasedLine.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

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

// QRect's own operators are not inline, and these run for every line.
bool overlap(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

QRect intersected(const QRect& a, const QRect& b)
{
    QRect both;
    both.setCoords(std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::min(a.right(), b.right()),
                   std::min(a.bottom(), b.bottom()));
    return both;
}

// The smallest rectangle holding every rectangle added.
class Bounds {
public:
    void add(const QRect& r)
    {
        if (r.isEmpty())
            return;
        m_left = std::min(m_left, r.left());
        m_top = std::min(m_top, r.top());
        m_right = std::max(m_right, r.right());
        m_bottom = std::max(m_bottom, r.bottom());
    }

    QRect rect() const { return m_left > m_right ? QRect() : QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)); }

private:
    int m_left = std::numeric_limits<int>::max();
    int m_top = std::numeric_limits<int>::max();
    int m_right = std::numeric_limits<int>::min();
    int m_bottom = std::numeric_limits<int>::min();
};

}  // namespace

bool PictureBox::Stroke::drawsLike(const Stroke& other) const
{
    return rectangle == other.rectangle && colour == other.colour && pixelWidth == other.pixelWidth
        && ends == other.ends;
}

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
    m_backgroundChanged = m_backgroundChanged || background != m_background;
    m_background = background;
    clear();
}

void PictureBox::clear()
{
    if (!m_behind) {
        std::swap(m_inImage, m_sinceClear);
        bringUpToDateSoon();
    }
    m_sinceClear.clear();
}

void PictureBox::setLineWidth(int pixels) { m_lineWidth = pixels; }

void PictureBox::drawLine(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    record(false, x1, y1, x2, y2, colour);
}

void PictureBox::drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour)
{
    record(true, x1, y1, x2, y2, colour);
}

void PictureBox::record(bool rectangle, float x1, float y1, float x2, float y2, std::int32_t colour)
{
    if (!m_behind) {
        m_inImage = m_sinceClear;
        bringUpToDateSoon();
    }
    Stroke stroke{rectangle, m_lineWidth, fromColourValue(colour), QLineF(x1, y1, x2, y2), std::nullopt, 0, {}};
    place(stroke);
    m_sinceClear.push_back(stroke);
}

void PictureBox::bringUpToDateSoon()
{
    if (!m_behind) {
        m_behind = true;
        QMetaObject::invokeMethod(this, &PictureBox::bringUpToDate, Qt::QueuedConnection);
    }
}

// Where the stroke lands in the image now. m_toPixels only scales and shifts:
// QTransform::map would first ask which, for every line.
void PictureBox::place(Stroke& stroke) const
{
    const QLineF& user = stroke.user;
    QLineF pixels;
    if (stroke.rectangle) {
        const QRectF frame = m_toPixels.mapRect(QRectF(user.p1(), user.p2()));
        pixels = QLineF(frame.topLeft(), frame.bottomRight());
    } else {
        const double sx = m_toPixels.m11();
        const double sy = m_toPixels.m22();
        pixels = QLineF(user.x1() * sx + m_toPixels.dx(), user.y1() * sy + m_toPixels.dy(),
                        user.x2() * sx + m_toPixels.dx(), user.y2() * sy + m_toPixels.dy());
    }
    stroke.pixelWidth = std::max(1, qRound(stroke.width * m_ratio * m_zoom));
    stroke.ends = AliasedLine::Ends(pixels, stroke.pixelWidth);
    // A rectangle's sides lie within the box its diagonal covers.
    stroke.covered = stroke.ends ? intersected(AliasedLine::Covered(*stroke.ends, stroke.pixelWidth), m_image.rect())
                                 : QRect();
}

void PictureBox::paintStroke(const Stroke& stroke, const QRect& clip)
{
    if (!stroke.ends)
        return;
    const QLine& ends = *stroke.ends;
    if (!stroke.rectangle) {
        AliasedLine::Draw(m_image, ends, stroke.pixelWidth, stroke.colour, clip);
        return;
    }
    const QPoint corners[] = {ends.p1(), QPoint(ends.x2(), ends.y1()), ends.p2(), QPoint(ends.x1(), ends.y2()),
                              ends.p1()};
    for (int side = 0; side < 4; ++side)
        AliasedLine::Draw(m_image, QLine(corners[side], corners[side + 1]), stroke.pixelWidth, stroke.colour, clip);
}

// Pixels outside this area are covered by the same strokes, in the same
// order, in the image and in the drawing since the last clear.
QRect PictureBox::changedArea() const
{
    if (m_backgroundChanged)
        return m_image.rect();
    Bounds area;
    const std::size_t common = std::min(m_inImage.size(), m_sinceClear.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (!m_inImage[i].drawsLike(m_sinceClear[i])) {
            area.add(m_inImage[i].covered);
            area.add(m_sinceClear[i].covered);
        }
    }
    for (std::size_t i = common; i < m_inImage.size(); ++i)
        area.add(m_inImage[i].covered);
    for (std::size_t i = common; i < m_sinceClear.size(); ++i)
        area.add(m_sinceClear[i].covered);
    return area.rect();
}

void PictureBox::bringUpToDate()
{
    if (!m_behind)
        return;
    m_behind = false;
    const QRect area = changedArea();
    m_backgroundChanged = false;
    if (area.isEmpty())
        return;
    fill(m_image, area, m_background);
    for (const Stroke& stroke : m_sinceClear) {
        if (overlap(stroke.covered, area))
            paintStroke(stroke, area);
    }
    update(QRectF(area.x() / m_ratio, area.y() / m_ratio, area.width() / m_ratio, area.height() / m_ratio)
               .toAlignedRect());
}

QImage PictureBox::picture()
{
    bringUpToDate();
    return m_image;
}

void PictureBox::SetFocusMark(const QRectF& user)
{
    m_focusMark = user.normalized();
    update();
}

void PictureBox::SetZoom(qreal factor)
{
    if (factor == m_zoom)
        return;
    m_zoom = factor;
    redrawAll();
}

QPointF PictureBox::toUser(QPointF widgetPosition) const { return m_transform.inverted().map(widgetPosition); }

QPointF PictureBox::toWidget(QPointF userPosition) const { return m_transform.map(userPosition); }

void PictureBox::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another pixel density: draw everything again at
    // that density rather than stretch the old pixels.
    if (devicePixelRatioF() != m_ratio)
        rebuildImage();
    bringUpToDate();
    // Whole, at the widget's origin: the image has the screen's pixel
    // density, and the painter keeps to the region being repainted.
    QPainter onScreen(this);
    onScreen.drawImage(QPointF(0, 0), m_image);
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
    m_ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * m_ratio).toSize().expandedTo(QSize(1, 1));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    redrawAll();
}

void PictureBox::redrawAll()
{
    m_backgroundChanged = true;
    m_inImage.clear();
    updateTransform();
    for (Stroke& stroke : m_sinceClear)
        place(stroke);
    bringUpToDateSoon();
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
