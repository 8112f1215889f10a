#include "progress/frmChildren.h"

#include "platform/Platform.h"
#include "records/RecordKeeper.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton* button(const char* name, const QString& caption)
{
    auto* made = new QPushButton(caption);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}

QString deleteQuestion(const QString& name, int records)
{
    return QStringLiteral("要删除“%1”吗？\n%1的 %2 条成绩记录会一起删除，删除后不能恢复。")
        .arg(name, QString::number(records));
}

}  // namespace

frmChildren::frmChildren(RecordKeeper& keeper, QWidget* parent)
    : QDialog(parent)
    , m_keeper(keeper)
{
    createControls();
    connectSignals();
    fillList(m_keeper.Chosen() ? std::optional(m_keeper.Chosen()->id) : std::nullopt);
    showState();
    // With no child yet, the first thing to do is to type a name.
    (lstChildren->count() > 0 ? static_cast<QWidget*>(lstChildren) : txtName)->setFocus();
}

void frmChildren::createControls()
{
    setObjectName(QStringLiteral("frmChildren"));
    setWindowTitle(QStringLiteral("选择孩子"));
    lstChildren = new QListWidget;
    lstChildren->setObjectName(QStringLiteral("lstChildren"));
    lstChildren->setAccessibleName(QStringLiteral("孩子"));
    auto* labName = new QLabel(QStringLiteral("名字："));
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("名字"));
    labName->setBuddy(txtName);
    labState = new QLabel;
    labState->setObjectName(QStringLiteral("labState"));
    labState->setWordWrap(true);
    cmdNew = button("cmdNew", QStringLiteral("新建"));
    cmdRename = button("cmdRename", QStringLiteral("改名"));
    cmdDelete = button("cmdDelete", QStringLiteral("删除"));
    cmdNone = button("cmdNone", QStringLiteral("不记录"));
    cmdOk = button("cmdOk", QStringLiteral("确定"));
    cmdOk->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lstChildren, 0, 0, 5, 2);
    grid->addWidget(labName, 5, 0);
    grid->addWidget(txtName, 5, 1);
    grid->addWidget(labState, 6, 0, 1, 3);
    const QList<QPushButton*> buttons = {cmdNew, cmdRename, cmdDelete, cmdNone, cmdOk};
    for (int row = 0; row < buttons.size(); ++row)
        grid->addWidget(buttons[row], row, 2);
    QWidget* previous = lstChildren;
    for (QWidget* next : std::initializer_list<QWidget*>{txtName, cmdNew, cmdRename, cmdDelete, cmdNone, cmdOk}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void frmChildren::connectSignals()
{
    connect(cmdNew, &QPushButton::clicked, this, &frmChildren::cmdNew_Click);
    connect(cmdRename, &QPushButton::clicked, this, &frmChildren::cmdRename_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmChildren::cmdDelete_Click);
    connect(cmdNone, &QPushButton::clicked, this, &frmChildren::cmdNone_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmChildren::cmdOk_Click);
    // The name of the child picked, ready to be changed.
    connect(lstChildren, &QListWidget::currentTextChanged, txtName, &QLineEdit::setText);
}

void frmChildren::fillList(std::optional<qint64> select)
{
    lstChildren->clear();
    for (const Child& child : m_keeper.Children()) {
        auto* item = new QListWidgetItem(child.name, lstChildren);
        item->setData(Qt::UserRole, child.id);
        if (child.id == select)
            lstChildren->setCurrentItem(item);
    }
}

void frmChildren::showState()
{
    const bool usable = !m_keeper.Refused();
    for (QPushButton* command : {cmdNew, cmdRename, cmdDelete, cmdNone})
        command->setEnabled(usable);
    if (!usable)
        labState->setText(QStringLiteral("成绩文件不能使用，本次运行不记录成绩。"));
    else if (m_keeper.Chosen())
        labState->setText(QStringLiteral("现在记录%1的成绩。").arg(m_keeper.Chosen()->name));
    else
        labState->setText(QStringLiteral("现在不记录成绩：选一个孩子，再按“确定”。"));
}

std::optional<qint64> frmChildren::selected() const
{
    // A list that takes the focus makes its first row current without
    // selecting it: only a row the user picked counts.
    const QListWidgetItem* item = lstChildren->currentItem();
    return item && item->isSelected() ? std::optional(item->data(Qt::UserRole).toLongLong()) : std::nullopt;
}

// Says what is wrong with the name typed; false when nothing is.
bool frmChildren::tellProblem(ChildName::Problem problem)
{
    switch (problem) {
    case ChildName::Problem::Empty:
        Platform::Messages().Information(QStringLiteral("请先输入孩子的名字。"));
        return true;
    case ChildName::Problem::TooLong:
        Platform::Messages().Information(QStringLiteral("名字太长了，最多%1个字。").arg(ChildName::Longest));
        return true;
    case ChildName::Problem::Taken:
        Platform::Messages().Information(
            QStringLiteral("已经有叫“%1”的孩子了，请换一个名字。").arg(ChildName::Trimmed(txtName->text())));
        return true;
    case ChildName::Problem::NotSaved:
        // The records have said why.
        showState();
        return true;
    case ChildName::Problem::None:
        break;
    }
    return false;
}

void frmChildren::cmdNew_Click()
{
    if (tellProblem(m_keeper.Add(txtName->text())))
        return;
    const QList<Child> children = m_keeper.Children();
    fillList(children.isEmpty() ? std::nullopt : std::optional(children.last().id));
}

void frmChildren::cmdRename_Click()
{
    const std::optional<qint64> child = selected();
    if (!child) {
        Platform::Messages().Information(QStringLiteral("请先在名单里选一个孩子。"));
        return;
    }
    if (!tellProblem(m_keeper.Rename(*child, txtName->text())))
        fillList(child);
    showState();
}

void frmChildren::cmdDelete_Click()
{
    const std::optional<qint64> child = selected();
    if (!child) {
        Platform::Messages().Information(QStringLiteral("请先在名单里选一个孩子。"));
        return;
    }
    const QString name = lstChildren->currentItem()->text();
    if (!Platform::Messages().Question(deleteQuestion(name, m_keeper.RecordCount(*child))))
        return;
    m_keeper.Remove(*child);
    fillList(m_keeper.Chosen() ? std::optional(m_keeper.Chosen()->id) : std::nullopt);
    showState();
}

void frmChildren::cmdNone_Click()
{
    m_keeper.Choose(std::nullopt);
    accept();
}

void frmChildren::cmdOk_Click()
{
    if (selected() && !m_keeper.Refused())
        m_keeper.Choose(selected());
    accept();
}
