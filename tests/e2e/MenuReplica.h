#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <map>
#include <vector>

// The main window's menu bar built again in this process, offscreen, with
// the program's fonts: Qt itself measures where each title and item lies.
// The bar looks different once an exercise window is maximised inside the
// main window: the child's window icon then stands before the titles.
class MenuReplica {
public:
    explicit MenuReplica(const QSize& windowSize);

    // A title's place in the main window.
    QRect Title(const QString& menu, bool childMaximised) const;
    // An item's place in its open menu.
    QRect Item(const QString& menu, const QString& item) const;
    QSize PopupSize(const QString& menu) const;
    // The open menu as it must look, no item under the pointer.
    const QImage& Popup(const QString& menu) const;
    int BarHeight() const { return m_barHeight; }
    bool Knows(const QString& menu, const QString& item) const;

private:
    struct Measured {
        QRect plainTitle;
        QRect maximisedTitle;
        QSize popup;
        QImage picture;
        std::map<QString, QRect> items;
    };
    std::map<QString, Measured> m_menus;
    int m_barHeight = 0;
};
