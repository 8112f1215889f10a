#pragma once

#include "abacus/DrawingSurface.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <vector>

// A drawing surface on a widget. Everything is painted into a persistent
// image at the screen's pixel density, and paintEvent only copies it, so a
// covered window comes back as it was. Pointer positions are reported in
// the user scale.
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
    // A dashed frame over the picture, in user units, that shows what the
    // keyboard works on; an empty one hides it. Not part of the picture.
    void SetFocusMark(const QRectF& user);
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
    // One drawing call since the last clear, kept to repaint after a resize.
    struct Stroke {
        bool rectangle;
        int width;
        std::int32_t colour;
        QLineF points;
    };

    void rebuildImage();
    void updateTransform();
    void paintStroke(const Stroke& stroke);
    void scheduleRepaint();

    QImage m_image;
    QTransform m_transform;
    // User units to image pixels: m_transform at the image's pixel density.
    QTransform m_toPixels;
    double m_left = 0;
    double m_top = 0;
    double m_right = 1;
    double m_bottom = 1;
    QColor m_background = Qt::black;
    int m_lineWidth = 1;
    std::vector<Stroke> m_sinceClear;
    bool m_repaintScheduled = false;
    QRectF m_focusMark;
};
