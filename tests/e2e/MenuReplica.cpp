#include "MenuReplica.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <initializer_list>

namespace {

struct MenuDesign {
    const char* title;
    std::initializer_list<const char*> items;
};

// The menu bar as the program's users know it, left to right, items top to bottom.
const MenuDesign Menus[] = {
    {"学习", {"01 识珠学习"}},
    {"训练", {"01 识珠练习", "02 加减训练", "03 闪电心算", "04 听心算"}},
    {"演示", {"01 演示9遍9"}},
    {"游戏", {"01 识珠游戏1"}},
    {"成绩", {"01 选择孩子", "02 成绩记录"}},
    {"设置", {"设置算盘位数", "放大到窗口"}},
    {"帮助", {"帮助", "官网", "关于"}},
};

}  // namespace

MenuReplica::MenuReplica(const QSize& windowSize)
{
    QMainWindow window;
    auto* workspace = new QMdiArea;
    window.setCentralWidget(workspace);
    std::map<QString, QMenu*> menus;
    for (const MenuDesign& design : Menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(design.title));
        for (const char* item : design.items)
            menu->addAction(QString::fromUtf8(item));
        menus[menu->title()] = menu;
    }
    window.resize(windowSize);
    window.show();
    QApplication::processEvents();
    m_barHeight = window.menuBar()->height();
    for (const auto& [title, menu] : menus) {
        Measured& measured = m_menus[title];
        measured.plainTitle = window.menuBar()->actionGeometry(menu->menuAction());
        measured.popup = menu->sizeHint();
        menu->resize(measured.popup);
        measured.picture = menu->grab().toImage();
        for (QAction* action : menu->actions())
            measured.items[action->text()] = menu->actionGeometry(action);
    }

    QMdiSubWindow* child = workspace->addSubWindow(new QWidget);
    child->showMaximized();
    QApplication::processEvents();
    for (const auto& [title, menu] : menus)
        m_menus[title].maximisedTitle = window.menuBar()->actionGeometry(menu->menuAction());
}

QRect MenuReplica::Title(const QString& menu, bool childMaximised) const
{
    const Measured& measured = m_menus.at(menu);
    return childMaximised ? measured.maximisedTitle : measured.plainTitle;
}

QRect MenuReplica::Item(const QString& menu, const QString& item) const { return m_menus.at(menu).items.at(item); }

QSize MenuReplica::PopupSize(const QString& menu) const { return m_menus.at(menu).popup; }

const QImage& MenuReplica::Popup(const QString& menu) const { return m_menus.at(menu).picture; }

bool MenuReplica::Knows(const QString& menu, const QString& item) const
{
    const auto found = m_menus.find(menu);
    return found != m_menus.end() && found->second.items.count(item) == 1;
}
