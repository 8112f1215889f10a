#include "exercises/AccessibleAbacus.h"

#include "abacus/AbacusObserver.h"
#include "abacus/cAbacus.h"
#include "exercises/NumberText.h"
#include "platform/PictureBox.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <cmath>
#include <utility>
#include <vector>

namespace {

AccessibleAbacus::Listener g_listener = [](QAccessibleValueChangeEvent& event) { QAccessible::updateAccessibility(&event); };

// What a screen reader reads of one picture's abacus. The picture owns it;
// the window releases it first if its abacus goes before the picture.
class Binding final : public QObject, public AbacusObserver {
    Q_OBJECT

public:
    Binding(PictureBox& picture, cAbacus& abacus)
        : QObject(&picture)
        , m_abacus(&abacus)
        , m_announced(abacus.ShownNumber())
    {
        abacus.addObserver(this);
    }
    ~Binding() override { m_abacus->removeObserver(this); }

    static Binding* Of(const QObject* picture)
    {
        return picture ? picture->findChild<Binding*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    const cAbacus& abacus() const { return *m_abacus; }
    bool adjustable = false;

    // Tells the screen reader of each new number, once per change.
    void NumberChanged(const cAbacus& changed) override
    {
        const double value = changed.ShownNumber();
        if (value == m_announced)
            return;
        m_announced = value;
        QAccessibleValueChangeEvent event(parent(), value);
        g_listener(event);
    }

private:
    cAbacus* const m_abacus;
    double m_announced;
};

QString rodName(int rod) { return QStringLiteral("第%1档").arg(rod + 1); }

// One rod of the abacus, a child of the abacus's own object.
class RodInterface final : public QAccessibleInterface {
public:
    RodInterface(PictureBox* picture, int rod)
        : m_picture(picture)
        , m_rod(rod)
    {
    }

    bool isValid() const override
    {
        const Binding* binding = Binding::Of(m_picture);
        return binding && m_rod < binding->abacus().Cols();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_picture ? m_picture->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_picture); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        // A rod is on screen only while its picture is: the start-up
        // picture's rods would otherwise be offered as showing while an
        // exercise window hides that picture.
        state.invisible = !m_picture || !m_picture->isVisible();
        return state;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const QString digit = QString::number(Binding::Of(m_picture)->abacus().Column(m_rod).ShownDigit());
        switch (t) {
        case QAccessible::Name:
            return rodName(m_rod);
        case QAccessible::Value:
            return digit;
        case QAccessible::Description:
            return rodName(m_rod) + QStringLiteral("：") + digit;
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const cAbacus::Area area = Binding::Of(m_picture)->abacus().RodArea(m_rod);
        const QRectF local(m_picture->toWidget({area.left, area.top}), m_picture->toWidget({area.right, area.bottom}));
        return local.toAlignedRect().translated(m_picture->mapToGlobal(QPoint(0, 0)));
    }

private:
    QPointer<PictureBox> m_picture;
    int m_rod;
};

// The abacus as a whole: its number as value and description, its rods as children.
class AbacusInterface final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AbacusInterface(PictureBox* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic, QStringLiteral("算盘"))
    {
    }

    // Where the keyboard works it, a screen reader offers it as a control.
    QAccessible::Role role() const override
    {
        const Binding* binding = Binding::Of(object());
        return binding && binding->adjustable ? QAccessible::Slider : QAccessible::Graphic;
    }

    ~AbacusInterface() override
    {
        for (QAccessible::Id id : m_rods)
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("算盘");
        if ((t == QAccessible::Description || t == QAccessible::Value) && abacus())
            return NumberText(abacus()->ShownNumber());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + rods(); }

    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        if (index - widgets >= rods())
            return nullptr;
        return QAccessible::accessibleInterface(rodIds().at(index - widgets));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QAccessible::Id>& ids = rodIds();
        for (std::size_t rod = 0; rod < ids.size(); ++rod) {
            if (QAccessible::accessibleInterface(ids[rod]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(rod);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QVariant currentValue() const override { return abacus() ? abacus()->ShownNumber() : 0.0; }
    // The number is changed with the beads, not through the screen reader.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return abacus() ? std::pow(10.0, abacus()->Cols()) - 1 : 0.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    const cAbacus* abacus() const
    {
        const Binding* binding = Binding::Of(object());
        return binding ? &binding->abacus() : nullptr;
    }
    int rods() const { return abacus() ? abacus()->Cols() : 0; }

    // Made when first asked for, and again when the number of rods changed.
    const std::vector<QAccessible::Id>& rodIds() const
    {
        if (static_cast<int>(m_rods.size()) != rods()) {
            for (QAccessible::Id id : m_rods)
                QAccessible::deleteAccessibleInterface(id);
            m_rods.clear();
            auto* picture = static_cast<PictureBox*>(widget());
            for (int rod = 0; rod < rods(); ++rod)
                m_rods.push_back(QAccessible::registerAccessibleInterface(new RodInterface(picture, rod)));
        }
        return m_rods;
    }

    mutable std::vector<QAccessible::Id> m_rods;
};

QAccessibleInterface* abacusFactory(const QString&, QObject* object)
{
    if (!Binding::Of(object))
        return nullptr;
    return new AbacusInterface(static_cast<PictureBox*>(object));
}

}  // namespace

namespace AccessibleAbacus {

void Attach(PictureBox& picture, cAbacus& abacus)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(abacusFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    new Binding(picture, abacus);
}

void MakeAdjustable(PictureBox& picture)
{
    if (Binding* binding = Binding::Of(&picture))
        binding->adjustable = true;
}

void Release(PictureBox& picture) { delete Binding::Of(&picture); }

Listener SetListener(Listener listener) { return std::exchange(g_listener, listener); }

}  // namespace AccessibleAbacus

#include "AccessibleAbacus.moc"
