#pragma once

#include "records/ChildName.h"

#include <QDialog>
#include <QPointer>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class RecordKeeper;

// 01 选择孩子: the children kept so far, made, renamed and deleted here, and
// the one whose practice is kept from now on (or none).
class frmChildren : public QDialog {
    Q_OBJECT

public:
    explicit frmChildren(RecordKeeper& keeper, QWidget* parent = nullptr);

private:
    void createControls();
    void connectSignals();
    void fillList(std::optional<qint64> select);
    void showState();
    std::optional<qint64> selected() const;
    bool tellProblem(ChildName::Problem problem);

    void cmdNew_Click();
    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdNone_Click();
    void cmdOk_Click();

    RecordKeeper& m_keeper;
    QPointer<QListWidget> lstChildren;
    QPointer<QLineEdit> txtName;
    QPointer<QLabel> labState;
    QPointer<QPushButton> cmdNew;
    QPointer<QPushButton> cmdRename;
    QPointer<QPushButton> cmdDelete;
    QPointer<QPushButton> cmdNone;
    QPointer<QPushButton> cmdOk;
};
