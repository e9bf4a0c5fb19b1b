#pragma once

#include "ReportEntries.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class Dataset;
class QAction;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class QTreeView;
class ReportListModel;
class QTreeWidget;

// What the report window needs of the main window.
class ChildHost
{
public:
    virtual ~ChildHost() = default;
    virtual QAction *command(const QString &name) const = 0;
    // Runs the Save command on this window; false when storing failed.
    virtual bool saveChild(class TfrmChildWin *child) = 0;
    virtual void SyncViewChecks() = 0;
    virtual void SyncBrowseFindChecks() = 0;
};

// The editor of one open report database: one report at a time on three pages.
class TfrmChildWin : public QWidget, public ReportEntrySource
{
    Q_OBJECT

public:
    TfrmChildWin(ChildHost *host, QWidget *parent = nullptr);
    ~TfrmChildWin() override;

    // Fields other parts of the program use.
    QString DatabasePath;
    bool Modified = false;
    QAction *WindowMenuItem = nullptr;
    Dataset &ReportQuery() { return *m_reportQuery; }
    Dataset &CalcuQuery() { return *m_calcuQuery; }
    bool isBound() const { return m_bound; }

    void RecordToForm(Dataset &ds);
    void ClearForm();
    void FormToRecord(Dataset &ds);
    void BindDatabase(const QString &path);

    // Stores the shown report and its calculation rows as one transaction (the Save command).
    // Throws AppError (with the user's names for the columns) and keeps Modified on failure.
    void storeReport();

    // Activation as the frame reports it.
    void FormActivate();
    void FormDeactivate();
    // For a close decided elsewhere (the main window asked already): no question on close.
    void setCloseDecided(bool decided) { m_closeDecided = decided; }

    // Controls other parts reach by name.
    QLineEdit *edit(const QString &name) const;
    QPlainTextEdit *memo(const QString &name) const;
    QComboBox *combo(const QString &name) const;
    QDateTimeEdit *picker(const QString &name) const;
    QStackedWidget *notebook() const { return m_notebook; }
    QTabBar *tabSet() const { return m_tabSet; }
    QTabWidget *leftPages() const { return m_leftPages; }
    QWidget *leftPanel() const { return m_leftPanel; }
    QTableWidget *grid() const { return m_grid; }
    QTimer *autoSaveTimer() const { return m_timer; }

    // The report list and the record commands.
    enum class Move { First, Prior, Next, Last };
    void SetupReportList();
    void FillReportList();
    void GoToReport(int n);
    void RecordAppend();
    void RecordInsert();
    void RecordDelete();
    void RecordMove(Move move);
    QTreeView *reportListView() const { return m_list; }
    ReportListModel *reportList() const { return m_listModel; }

    // Shows notebook page i and keeps the tab set in line.
    void showPage(int i);

    ReportEntries reportEntries() const override;

    // The calculation table as rows of texts, and back.
    QList<std::array<QString, 7>> gridRows() const;
    void setGridRows(const QList<std::array<QString, 7>> &rows, int current = -1);
    // Computes the danger grade into Memo1 and announces it (the grade command).
    void computeDangerGrade();

    static QString formatArea(double v);
    static QString SumAreas(const QStringList &texts);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QWidget *buildIntakePage();
    QWidget *buildCalcPage();
    QWidget *buildReportPage();
    QWidget *buildLeftPanel();
    void FormCreate();
    void attachChangeHandlers();
    void MarkModified();
    void UpdateAreaSum();
    void mirror(const QString &from, const QString &to);
    void labedtFileNoExit();
    void installInputFilters();
    void wireCalculationTable();
    void loadCalcuRows();
    void selectCurrentEntry();
    void updateListEntry(int column, const QString &text);
    void FillChooser();
    void updateChooserHighlight();
    QString columnLabel(const QString &column) const;

    ChildHost *m_host;
    QString m_connection;
    std::unique_ptr<Dataset> m_reportQuery;
    std::unique_ptr<Dataset> m_calcuQuery;
    bool m_bound = false;
    bool m_closeDecided = false;

    QWidget *m_leftPanel = nullptr;
    QTabWidget *m_leftPages = nullptr;
    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QTabBar *m_tabSet = nullptr;
    QScrollArea *m_scroll1 = nullptr;
    QScrollArea *m_scroll2 = nullptr;
    QWidget *m_panel2 = nullptr;
    QTableWidget *m_grid = nullptr;
    QTreeWidget *m_chooser = nullptr;
    QTreeView *m_list = nullptr;
    ReportListModel *m_listModel = nullptr;
    QTimer *m_timer = nullptr;
};

// The report number as it was when a report-number field last got the focus (all windows).
QString &OldFileNo();
