#pragma once

#include "abacus/DrawingSurface.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <vector>

// A drawing surface on a widget. Everything is painted into a persistent
// image at the screen's pixel density, and paintEvent only copies it, so a
// covered window comes back as it was. Pointer positions are reported in
// the user scale. An abacus redraws itself whole twenty times a second while
// it animates, so only what changed is cleared and copied to the screen.
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

    // What the window shows now.
    QImage picture();
    QPointF toUser(QPointF widgetPosition) const;
    QPointF toWidget(QPointF userPosition) const;

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // One drawing call since the last clear, kept to repaint after a resize
    // or at another screen's pixel density.
    struct Stroke {
        bool rectangle;
        int width;
        QRgb colour;
        QLineF points;
    };

    void rebuildImage();
    void updateTransform();
    void paintStroke(const Stroke& stroke);
    QLineF toPixels(const QLineF& user) const;
    void changed(const QRect& pixels);

    QImage m_image;
    // The image's pixels per widget unit: the screen's when it was made.
    qreal m_ratio = 1;
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
    // Image pixels outside this rectangle show the background.
    QRect m_inked;
    // Image pixels changed since the screen was last given the picture.
    QRect m_unshown;
};
