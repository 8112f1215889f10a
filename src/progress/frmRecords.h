#pragma once

#include "platform/ChildWindow.h"

#include <QPointer>

struct ProgressReport;
class QBoxLayout;
class QWidget;
class RecordKeeper;

// 成绩记录: the chosen child's practice in figures, charts over the last 30
// days and a table of the latest runs, with 导出 to a CSV file. Without a
// chosen child it says how to choose one. Its layouts fill the workspace.
class frmRecords : public ChildWindow {
    Q_OBJECT

public:
    static constexpr int ChartDays = 30;
    static constexpr int RecentRuns = 50;

    explicit frmRecords(RecordKeeper& keeper);

    // Reads the records again, as they are now.
    void Refresh();
    static QString NoChildText();
    QSize DesignedClientSize() const override;

protected:
    QString Caption() const override;
    void CreateControls(QWidget& canvas) override;
    void Form_Load() override;
    void Form_Unload() override {}

private:
    QWidget* createReport(const ProgressReport& report, qint64 firstDay);
    QWidget* createCharts(const ProgressReport& report, qint64 firstDay);
    QWidget* createRecentRuns(const ProgressReport& report);
    QString totalsText(const ProgressReport& report) const;
    void cmdExport_Click();

    RecordKeeper& m_keeper;
    QPointer<QBoxLayout> m_layout;
    QPointer<QWidget> m_page;
};
