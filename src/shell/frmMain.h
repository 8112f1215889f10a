#pragma once

#include "abacus/cAbacus.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class ChildWindow;
class PictureBox;
class RuleLine;
class frmFlash;
class frmListen;
class frmShow9;
class frmTrain01;
class frmTrain02;
class frmTrain03;
class QLabel;
class QMdiArea;
class QTimer;
class RecordKeeper;
class frmRecords;

// The main window: the menu bar, the workspace for the exercise windows and,
// while no exercise is open, the start-up picture with its number show.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    static const QString HomePage;
    static const QString ShopPage;

    frmMain();
    ~frmMain() override;

    // Brings the start-up picture and its number show back.
    void ShowAgain();
    // At start: takes up the record file and the child chosen last time, if there are any.
    void OpenRecords();

    // The workspace below the menu bar, as designed.
    static QSize DesignedClientSize();
    // Shows the window at its designed size where the screen has room for it
    // and its title bar, else maximised: on a small screen (1366 x 768) no
    // control may end up beyond its edge.
    void ShowFitted();
    static bool FitsOn(QSize window, const QRect& available, int titleBar);
    static QString HelpText();
    static QString AboutText();

    // The number show's tick, run by timShow every 500 ms.
    void timShow_Timer();

    QMdiArea& Workspace() const { return *m_workspace; }
    // The exercise windows, each created on first use and kept for the run.
    frmTrain01& Train01();
    frmTrain02& Train02();
    frmTrain03& Train03();
    frmShow9& Show9();
    frmFlash& Flash();
    frmListen& Listen();
    frmRecords& Records();
    RecordKeeper& Keeper() { return *m_keeper; }
    cAbacus& Abacus() { return m_abacus; }
    double CurrentNum() const { return m_CurrentNum; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createLabels();
    void createRuleLine();
    void createMenus();
    void createFitItem();
    void fitRuleLine();
    void resizeToDesign();
    void MDIForm_Load();
    void MDIForm_Resize();
    void pic_Click();
    void openWindow(ChildWindow& window);
    void connectRecords();

    void mnuLearnZhu_Click();
    void mnuTrance01_Click();
    void mnuTrance02_Click();
    void mnuTrance03_Click();
    void mnuTrance04_Click();
    void mnuShow01_9Add_Click();
    void mnuGame01_识珠_Click();
    void mnuRecords01_Click();
    void mnuRecords02_Click();
    void mnuSet01_Click();
    void mnuSet02_Click(bool enlarging);
    void mnuHelp01_Click();
    void mnuHelpUrl_Click();
    void mnuHelpAbout_Click();

    QMdiArea* m_workspace = nullptr;
    QWidget* pic = nullptr;
    PictureBox* pic2 = nullptr;
    QTimer* timShow = nullptr;
    QLabel* labRule = nullptr;
    QLabel* labChild = nullptr;
    cAbacus m_abacus;
    double m_CurrentNum = 0;
    // Declared before the windows whose abacus it follows, so it outlives them.
    std::unique_ptr<RuleLine> m_ruleLine;
    // Declared before 成绩记录, which reads it.
    std::unique_ptr<RecordKeeper> m_keeper;
    std::unique_ptr<frmTrain01> m_frmTrain01;
    std::unique_ptr<frmTrain02> m_frmTrain02;
    std::unique_ptr<frmTrain03> m_frmTrain03;
    std::unique_ptr<frmShow9> m_frmShow9;
    std::unique_ptr<frmFlash> m_frmFlash;
    std::unique_ptr<frmListen> m_frmListen;
    std::unique_ptr<frmRecords> m_frmRecords;
};
