#pragma once

#include "abacus/DrawingSurface.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <optional>
#include <vector>

// A drawing surface on a widget. Everything is painted into a persistent
// image at the screen's pixel density, and paintEvent only copies it, so a
// covered window comes back as it was. Pointer positions are reported in
// the user scale.
//
// An animating abacus wipes and redraws all of itself twenty times a second
// although only the beads of one rod move. So the lines drawn since the last
// clear are compared, once the program is back in its event loop, with those
// the image shows: only the area where they differ is wiped, redrawn and
// copied to the screen. The picture is the same as if every line had been
// drawn at once.
class PictureBox : public QWidget, public DrawingSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setScale(double left, double top, double right, double bottom) override;
    void setBackColor(std::int32_t colour) override;
    void clear() override;
    void setLineWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void drawRectangle(float x1, float y1, float x2, float y2, std::int32_t colour) override;

    // Everything drawn so far: what the window shows once repainted.
    QImage picture();
    // A dashed frame over the picture, in user units, that shows what the
    // keyboard works on; an empty one hides it. Not part of the picture.
    void SetFocusMark(const QRectF& user);
    QPointF toUser(QPointF widgetPosition) const;
    QPointF toWidget(QPointF userPosition) const;
    // The box is shown `factor` times its designed size: its lines grow with
    // it, as on a screen of that much higher pixel density.
    void SetZoom(qreal factor);

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // One drawing call since the last clear, as asked and as placed in the
    // image. Kept to tell what a new drawing changes, and to draw again after
    // a resize or at another screen's pixel density.
    struct Stroke {
        bool rectangle;
        int width;
        QRgb colour;
        QLineF user;  // a line's ends or a rectangle's corners
        // In the image: the brush's corners at a line's ends, or at a
        // rectangle's top left and bottom right. They decide every pixel.
        std::optional<QLine> ends;
        int pixelWidth;
        QRect covered;  // the image pixels it may change

        bool drawsLike(const Stroke& other) const;
    };

    void record(bool rectangle, float x1, float y1, float x2, float y2, std::int32_t colour);
    void place(Stroke& stroke) const;
    void paintStroke(const Stroke& stroke, const QRect& clip);
    void bringUpToDateSoon();
    QRect changedArea() const;
    void bringUpToDate();
    void rebuildImage();
    // Every stroke placed anew and drawn again on a fresh background.
    void redrawAll();
    void updateTransform();

    QImage m_image;
    // The image's pixels per widget unit: the screen's when it was made.
    qreal m_ratio = 1;
    qreal m_zoom = 1;
    QTransform m_transform;
    // User units to image pixels: m_transform at the image's pixel density.
    QTransform m_toPixels;
    double m_left = 0;
    double m_top = 0;
    double m_right = 1;
    double m_bottom = 1;
    QRgb m_background = qRgb(0, 0, 0);
    int m_lineWidth = 1;
    std::vector<Stroke> m_sinceClear;
    // Drawing calls wait for bringUpToDate, posted when the first of them
    // comes. Until it has run, the image shows m_inImage on the background
    // (or on another background when m_backgroundChanged); then m_sinceClear.
    bool m_behind = false;
    std::vector<Stroke> m_inImage;
    bool m_backgroundChanged = false;
    QRectF m_focusMark;
};
