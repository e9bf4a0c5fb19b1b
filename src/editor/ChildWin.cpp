#include "ChildWin.h"

#include "AppError.h"
#include "AppState.h"
#include "CalcuStore.h"
#include "CalcuTable.h"
#include "Chooser.h"
#include "DangerGrade.h"
#include "Clock.h"
#include "DataModule.h"
#include "Dataset.h"
#include "DateText.h"
#include "Guard.h"
#include "IniFile.h"
#include "PageSettings.h"
#include "Prompter.h"
#include "ReportListModel.h"
#include "ReportDatabase.h"
#include "Sql.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

namespace {

enum class Kind { Text, Mirror, TrustDate, Date, Area, Memo, Combo };

struct Binding
{
    const char *column;
    const char *control;
    Kind kind;
    const char *copy = nullptr; // read-only copy on the report page
};

// ProjectTab columns and the controls that show them, in load and store order.
const Binding Bindings[] = {
    {"FileNo", "labedtFileNo", Kind::Text},
    {"Client", "labedtClient1", Kind::Mirror, "labedtClient2"},
    {"TrustDate", "dtpickTrustDate1", Kind::TrustDate, "labedtTrustDate2"},
    {"LinkMan", "labedtLinkMan", Kind::Text},
    {"LinkPhone", "labedtLinkPhone1", Kind::Mirror, "labedtLinkPhone2"},
    {"Address", "labedtAddress1", Kind::Mirror, "labedtAddress2"},
    {"PropertyRightMan", "labedtPropertyRightMan1", Kind::Mirror, "labedtPropertyRightMan2"},
    {"BldgPurpose", "cbbBldgPurpose", Kind::Combo},
    {"BuildYear", "labedtBuildYear", Kind::Text},
    {"StrucStyle", "cbbStrucStyle", Kind::Combo},
    {"BuildAreaHowff", "labedtBuildAreaHowff", Kind::Area},
    {"BuildAreaTrade", "labedtBuildAreaTrade", Kind::Area},
    {"BuildAreaGarage", "labedtBuildAreaGarage", Kind::Area},
    {"BuildAreaFactory", "labedtBuildAreaFactory", Kind::Area},
    {"BuildAreaOther", "labedtBuildAreaOther", Kind::Area},
    {"PlaneShape", "cbbPlaneShape", Kind::Combo},
    {"Layers", "labedtLayers", Kind::Text},
    {"PropertyRightAttr", "cbbPropertyRightAttr", Kind::Combo},
    {"PropertyRightCertificate", "labedtPropertyRightCertificate1", Kind::Mirror,
     "labedtPropertyRightCertificate2"},
    {"Memory", "labedtMemory", Kind::Text},
    {"ApprPurpose", "labedtApprPurpose1", Kind::Mirror, "labedtApprPurpose2"},
    {"ApprCircs", "memApprCircs", Kind::Memo},
    {"ShatterReason0", "memShatterReason", Kind::Memo},
    {"ApprConclusion", "memApprConclusion", Kind::Memo},
    {"DisposalAdvi", "memDisposalAdvi", Kind::Memo},
    {"Surveyor", "labedtAppraiser1", Kind::Text},
    {"ApprUnit", "labedtApprUnit", Kind::Text},
    {"Appraiser", "labedtAppraiser", Kind::Text},
    {"Assessor", "labedtAssessor", Kind::Text},
    {"AuthorizedMan", "labedtAuthorizedMan", Kind::Text},
    {"ApprDate", "dtpickApprDate", Kind::Date},
};

const char *const AreaFields[] = {"labedtBuildAreaHowff", "labedtBuildAreaTrade", "labedtBuildAreaGarage",
                                  "labedtBuildAreaFactory", "labedtBuildAreaOther"};

QString S(const char *s)
{
    return QString::fromLatin1(s);
}

bool loading()
{
    return appState().loadingWindow;
}

} // namespace

QString &OldFileNo()
{
    static QString value;
    return value;
}

TfrmChildWin::TfrmChildWin(ChildHost *host, QWidget *parent)
    : QWidget(parent), m_host(host),
      m_connection(reportdb::uniqueConnectionName(QStringLiteral("report"))),
      m_reportQuery(std::make_unique<Dataset>(m_connection)),
      m_calcuQuery(std::make_unique<Dataset>(m_connection))
{
    setObjectName(QStringLiteral("frmChildWin"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildWindow();
    FormCreate();
}

TfrmChildWin::~TfrmChildWin()
{
    // FormDestroy: datasets, then the connection, then the Window-menu entry.
    if (m_list)
        m_list->setModel(nullptr);
    m_reportQuery->close();
    m_calcuQuery->close();
    reportdb::close(m_connection);
    delete WindowMenuItem;
    if (m_host) {
        for (const char *name : {"actnView2", "actnView1", "actnView0", "actnEditFind", "actnEditBrowser"}) {
            if (QAction *a = m_host->command(S(name)))
                a->setChecked(false);
        }
    }
}

QLineEdit *TfrmChildWin::edit(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

QPlainTextEdit *TfrmChildWin::memo(const QString &name) const
{
    return findChild<QPlainTextEdit *>(name);
}

QComboBox *TfrmChildWin::combo(const QString &name) const
{
    return findChild<QComboBox *>(name);
}

QDateTimeEdit *TfrmChildWin::picker(const QString &name) const
{
    return findChild<QDateTimeEdit *>(name);
}

void TfrmChildWin::showPage(int i)
{
    if (i < 0 || i >= m_notebook->count())
        return;
    m_tabSet->setCurrentIndex(i);
    m_notebook->setCurrentIndex(i);
}

void TfrmChildWin::FormCreate()
{
    DatabasePath = appState().currentDatabasePath;
    m_grid->setColumnCount(assess::CalcuColumnCount);
    m_grid->setHorizontalHeaderLabels(assess::calcuHeadings());
    connect(m_tabSet, &QTabBar::currentChanged, this, [this](int i) {
        m_notebook->setCurrentIndex(i); // TabSet1Click
        if (m_host)
            m_host->SyncViewChecks();
    });
    connect(m_leftPages, &QTabWidget::currentChanged, this, [this](int i) {
        if (!m_host)
            return;
        if (i == 0 || i == 1) { // PageControl1Change
            m_host->command(S("actnEditBrowser"))->setChecked(i == 0);
            m_host->command(S("actnEditFind"))->setChecked(i == 1);
        }
    });
    wireCalculationTable();
    installInputFilters();

    const bool ok = guarded([&] {
        BindDatabase(DatabasePath);
        m_reportQuery->setSql(QStringLiteral("select * from ProjectTab"));
        m_reportQuery->open();
        m_bound = true;
        if (m_reportQuery->isEmpty()) {
            // An empty database gets one blank report at once.
            m_reportQuery->append();
            ClearForm();
            FormToRecord(*m_reportQuery);
            m_reportQuery->post();
        }
    });
    attachChangeHandlers();
    SetupReportList();
    if (ok) {
        guarded([&] {
            FillReportList();
            m_reportQuery->first();
            RecordToForm(*m_reportQuery);
            loadCalcuRows();
            selectCurrentEntry();
        });
    }
    showPage(0);
    m_scroll2->verticalScrollBar()->setValue(0);
    Modified = false;
}

void TfrmChildWin::BindDatabase(const QString &path)
{
    m_reportQuery->close();
    m_calcuQuery->close();
    reportdb::close(m_connection);
    reportdb::open(path, m_connection);
}

void TfrmChildWin::installInputFilters()
{
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    m_scroll1->viewport()->installEventFilter(this);
    m_scroll2->viewport()->installEventFilter(this);
}

void TfrmChildWin::attachChangeHandlers()
{
    const auto mark = [this] { MarkModified(); };
    const QSet<QString> own = {S("labedtFileNo"), S("labedtClient1"), S("labedtAddress1"),
                               S("labedtPropertyRightMan1"), S("labedtApprPurpose1"),
                               S("labedtPropertyRightCertificate1"), S("labedtLinkPhone1"),
                               S("labedtBuildAreaHowff"), S("labedtBuildAreaTrade"), S("labedtBuildAreaGarage"),
                               S("labedtBuildAreaFactory"), S("labedtBuildAreaOther")};
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        if (e->objectName().startsWith(QLatin1String("labedt")) && !own.contains(e->objectName()))
            connect(e, &QLineEdit::textChanged, this, mark);
    }
    for (QPlainTextEdit *m : findChildren<QPlainTextEdit *>())
        connect(m, &QPlainTextEdit::textChanged, this, mark);
    for (QComboBox *c : findChildren<QComboBox *>()) {
        if (c->objectName().startsWith(QLatin1String("cbb")))
            connect(c, &QComboBox::currentTextChanged, this, mark);
    }
    for (QDateTimeEdit *d : findChildren<QDateTimeEdit *>()) {
        if (d->objectName() != QLatin1String("dtpickTrustDate1"))
            connect(d, &QDateTimeEdit::dateTimeChanged, this, mark);
    }
    // Mirrors: the read-only copy follows the intake field on every change.
    for (const Binding &b : Bindings) {
        if (b.kind == Kind::Mirror)
            mirror(S(b.control), S(b.copy));
    }
    // The list entry of the shown report follows the number, client, address and owner.
    const std::pair<const char *, int> listed[] = {{"labedtFileNo", ReportListModel::FileNo},
                                                   {"labedtClient1", ReportListModel::Client},
                                                   {"labedtAddress1", ReportListModel::Address},
                                                   {"labedtPropertyRightMan1", ReportListModel::PropertyRightMan}};
    for (const auto &[name, column] : listed) {
        const int c = column;
        connect(edit(S(name)), &QLineEdit::textChanged, this, [this, c](const QString &text) {
            if (!loading())
                updateListEntry(c, text);
        });
    }
    connect(picker(S("dtpickTrustDate1")), &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime &dt) {
        edit(S("labedtTrustDate2"))->setText(datetext::format(dt.date(), datetext::ChineseDate));
        Modified = !loading();
    });
    connect(edit(S("labedtFileNo")), &QLineEdit::textChanged, this, [this] { Modified = !loading(); });
    for (const char *name : AreaFields)
        connect(edit(S(name)), &QLineEdit::textChanged, this, [this] { UpdateAreaSum(); });
}

void TfrmChildWin::mirror(const QString &from, const QString &to)
{
    QLineEdit *source = edit(from);
    QLineEdit *copy = edit(to);
    connect(source, &QLineEdit::textChanged, this, [this, copy](const QString &text) {
        copy->setText(text);
        Modified = !loading();
    });
}

void TfrmChildWin::MarkModified()
{
    Modified = !loading();
}

QString TfrmChildWin::formatArea(double v)
{
    return QString::number(v, 'g', 15);
}

QString TfrmChildWin::SumAreas(const QStringList &texts)
{
    double sum = 0;
    for (const QString &t : texts) {
        bool ok = false;
        const double d = t.trimmed().toDouble(&ok);
        if (ok)
            sum += d;
    }
    return formatArea(sum);
}

void TfrmChildWin::UpdateAreaSum()
{
    if (loading())
        return;
    QStringList texts;
    for (const char *name : AreaFields)
        texts << edit(S(name))->text();
    edit(S("labedtSum"))->setText(SumAreas(texts));
}

void TfrmChildWin::RecordToForm(Dataset &ds)
{
    if (ds.isEmpty())
        return;
    const QDateTime now = appClock().now();
    for (const Binding &b : Bindings) {
        const QString column = S(b.column);
        switch (b.kind) {
        case Kind::Text:
        case Kind::Area: {
            QString text = ds.text(column);
            if (b.kind == Kind::Area && !ds.isNull(column))
                text = formatArea(ds.number(column));
            edit(S(b.control))->setText(text);
            break;
        }
        case Kind::Mirror:
            edit(S(b.control))->setText(ds.text(column));
            edit(S(b.copy))->setText(ds.text(column));
            break;
        case Kind::TrustDate:
        case Kind::Date: {
            const QDateTime dt = ds.dateTime(column).value_or(now);
            picker(S(b.control))->setDateTime(dt);
            if (b.copy)
                edit(S(b.copy))->setText(datetext::format(dt.date(), datetext::ChineseDate));
            break;
        }
        case Kind::Memo:
            memo(S(b.control))->setPlainText(ds.text(column));
            break;
        case Kind::Combo:
            combo(S(b.control))->setCurrentText(ds.text(column));
            break;
        }
    }
    ReadPageSettings(ds);
}

void TfrmChildWin::ClearForm()
{
    for (const Binding &b : Bindings) {
        switch (b.kind) {
        case Kind::Text:
        case Kind::Area:
            edit(S(b.control))->clear();
            break;
        case Kind::Mirror:
            edit(S(b.control))->clear();
            edit(S(b.copy))->clear();
            break;
        case Kind::Memo:
            memo(S(b.control))->clear();
            break;
        case Kind::Combo:
            combo(S(b.control))->setCurrentText(QString());
            break;
        case Kind::TrustDate:
        case Kind::Date:
            break;
        }
    }
    const QDateTime now = appClock().now();
    picker(S("dtpickTrustDate1"))->setDateTime(now);
    picker(S("dtpickApprDate"))->setDateTime(now);
    edit(S("labedtTrustDate2"))->setText(datetext::format(now.date(), datetext::ChineseDatePadded));
    LoadPageDefaults();
}

void TfrmChildWin::FormToRecord(Dataset &ds)
{
    if (ds.state() == Dataset::State::Browse) {
        if (ds.isEmpty())
            ds.append();
        else
            ds.edit();
    }
    for (const Binding &b : Bindings) {
        const QString column = S(b.column);
        switch (b.kind) {
        case Kind::Text:
            ds.setText(column, edit(S(b.control))->text());
            break;
        case Kind::Mirror:
            ds.setText(column, edit(S(b.copy))->text());
            break;
        case Kind::Area: {
            const QString text = edit(S(b.control))->text();
            if (text.isEmpty())
                ds.setNull(column);
            else
                ds.setText(column, text); // checked as a number when the row is stored
            break;
        }
        case Kind::TrustDate:
        case Kind::Date:
            ds.setDateTime(column, picker(S(b.control))->dateTime());
            break;
        case Kind::Memo:
            ds.setText(column, memo(S(b.control))->toPlainText());
            break;
        case Kind::Combo:
            ds.setText(column, combo(S(b.control))->currentText());
            break;
        }
    }
    WritePageSettings(ds);
}

QString TfrmChildWin::columnLabel(const QString &column) const
{
    for (const Binding &b : Bindings) {
        if (column == QLatin1String(b.column)) {
            if (QWidget *w = findChild<QWidget *>(S(b.control)))
                return w->accessibleName();
        }
    }
    return column;
}

void TfrmChildWin::storeReport()
{
    if (!m_bound)
        throw AppError(QStringLiteral("数据库没有打开，不能保存。"));
    try {
        FormToRecord(*m_reportQuery);
        const QString fileNo = edit(S("labedtFileNo"))->text();
        const assess::CalcuRows rows = gridRows();
        m_reportQuery->post([&] { assess::SaveCalcuRows(m_reportQuery->database(), fileNo, rows); });
    } catch (const AppError &e) {
        // Name the field as the user sees it, not the column.
        QString text = e.message();
        for (const Binding &b : Bindings) {
            const QString quoted = QStringLiteral("“%1”").arg(S(b.column));
            if (text.contains(quoted))
                text.replace(quoted, QStringLiteral("“%1”").arg(columnLabel(S(b.column))));
        }
        throw AppError(text);
    }
    Modified = false;
}

void TfrmChildWin::labedtFileNoExit()
{
    if (!m_bound)
        return;
    guarded([&] {
        sql::exec(m_reportQuery->database(),
                  QStringLiteral("update CalcuData set FileNo =:Str where CalcuData.FileNo=:Str1"),
                  {{QStringLiteral("Str"), edit(S("labedtFileNo"))->text()}, {QStringLiteral("Str1"), OldFileNo()}});
    });
}

void TfrmChildWin::FormActivate()
{
    if (WindowMenuItem)
        WindowMenuItem->setChecked(true);
    appState().loadingWindow = false;
    if (m_host) {
        m_host->SyncBrowseFindChecks();
        m_host->SyncViewChecks();
    }
}

void TfrmChildWin::FormDeactivate()
{
    if (WindowMenuItem)
        WindowMenuItem->setChecked(false);
    if (m_host) {
        for (const char *name : {"actnView2", "actnView1", "actnView0", "actnEditFind", "actnEditBrowser"})
            m_host->command(S(name))->setChecked(false);
    }
}

void TfrmChildWin::closeEvent(QCloseEvent *event)
{
    appState().closeCancelled = false;
    if (Modified && !m_closeDecided) {
        const Prompter::Button answer =
            prompter().question(QStringLiteral("数据已被更改,保存吗?"),
                                Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
        if (answer == Prompter::Cancel) {
            appState().closeCancelled = true;
            event->ignore();
            return;
        }
        // A report that could not be stored stays open with the user's edits.
        if (answer == Prompter::Yes && m_host && !m_host->saveChild(this)) {
            appState().closeCancelled = true;
            event->ignore();
            return;
        }
    }
    // RememberLastDatabase
    guarded([&] {
        IniFile(appState().configPath()).writeString(QStringLiteral("Commond"), QStringLiteral("OpenFileName"), DatabasePath);
    });
    event->accept();
}

bool TfrmChildWin::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_grid && !key->text().isEmpty() && key->text().at(0).isPrint())
            FillChooser();
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        if (qobject_cast<QPlainTextEdit *>(watched) || (watched->parent() && qobject_cast<QPlainTextEdit *>(watched->parent())))
            break; // a new line in a memo
        if (watched->parent() == m_grid->viewport())
            break; // the cell editor commits its text
        if (watched == m_grid || watched == m_grid->viewport()) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(m_grid, &tab);
            return true;
        }
        if (auto *w = qobject_cast<QWidget *>(watched)) {
            if (w->window() == window() && isAncestorOf(w)) {
                focusNextChild();
                return true;
            }
        }
        break;
    }
    case QEvent::KeyRelease:
        if (watched == m_list && m_bound && m_list->currentIndex().isValid()) {
            GoToReport(m_list->currentIndex().row());
            return false;
        }
        break;
    case QEvent::FocusIn:
        if (watched == m_grid) {
            Modified = true; // entering the table counts as an edit
            FillChooser();
        }
        if (watched == edit(S("labedtFileNo")))
            OldFileNo() = edit(S("labedtFileNo"))->text();
        if (auto *w = qobject_cast<QWidget *>(watched); w && m_panel2 && m_panel2->isAncestorOf(w))
            UpdateAreaSum();
        break;
    case QEvent::FocusOut:
        if (watched == edit(S("labedtFileNo")))
            labedtFileNoExit();
        break;
    case QEvent::Wheel:
        if (watched == m_scroll1->viewport() || watched == m_scroll2->viewport()) {
            auto *area = watched == m_scroll1->viewport() ? m_scroll1 : m_scroll2;
            const int step = static_cast<QWheelEvent *>(event)->angleDelta().y() < 0 ? 20 : -20;
            area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + step);
            area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + step);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

ReportEntries TfrmChildWin::reportEntries() const
{
    ReportEntries e;
    const auto t = [this](const char *name) { return edit(S(name))->text(); };
    const auto c = [this](const char *name) { return combo(S(name))->currentText(); };
    const auto m = [this](const char *name) { return memo(S(name))->toPlainText(); };
    e.labedtFileNo = t("labedtFileNo");
    e.labedtClient2 = t("labedtClient2");
    e.labedtLinkPhone2 = t("labedtLinkPhone2");
    e.dtpickTrustDate1 = picker(S("dtpickTrustDate1"))->date();
    e.labedtAddress2 = t("labedtAddress2");
    e.labedtPropertyRightMan2 = t("labedtPropertyRightMan2");
    e.cbbBldgPurpose = c("cbbBldgPurpose");
    e.labedtBuildYear = t("labedtBuildYear");
    e.cbbStrucStyle = c("cbbStrucStyle");
    e.labedtSum = t("labedtSum");
    e.cbbPlaneShape = c("cbbPlaneShape");
    e.labedtLayers = t("labedtLayers");
    e.cbbPropertyRightAttr = c("cbbPropertyRightAttr");
    e.labedtPropertyRightCertificate2 = t("labedtPropertyRightCertificate2");
    e.labedtMemory = t("labedtMemory");
    e.labedtApprPurpose2 = t("labedtApprPurpose2");
    e.memApprCircs = m("memApprCircs");
    e.memShatterReason = m("memShatterReason");
    e.memApprConclusion = m("memApprConclusion");
    e.memDisposalAdvi = m("memDisposalAdvi");
    e.labedtApprUnit = t("labedtApprUnit");
    e.labedtAppraiser = t("labedtAppraiser");
    e.labedtAssessor = t("labedtAssessor");
    e.labedtAuthorizedMan = t("labedtAuthorizedMan");
    e.dtpickApprDate = picker(S("dtpickApprDate"))->date();
    e.labedtAppraiser1 = t("labedtAppraiser1");
    return e;
}

QList<std::array<QString, 7>> TfrmChildWin::gridRows() const
{
    assess::CalcuRows rows;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        assess::CalcuRow row;
        for (int c = 0; c < assess::CalcuColumnCount; ++c) {
            const QTableWidgetItem *item = m_grid->item(r, c);
            row[c] = item ? item->text() : QString();
        }
        rows << row;
    }
    return rows;
}

void TfrmChildWin::setGridRows(const QList<std::array<QString, 7>> &rows, int current)
{
    const QSignalBlocker block(m_grid);
    const int column = qMax(1, m_grid->currentColumn());
    m_grid->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < assess::CalcuColumnCount; ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).at(c));
            if (c == assess::ColPartNumber)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable); // row numbers
            m_grid->setItem(r, c, item);
        }
    }
    if (current >= 0 && current < rows.size())
        m_grid->setCurrentCell(current, column);
}

void TfrmChildWin::wireCalculationTable()
{
    const auto rowAction = [this](const char *name, int (*op)(assess::CalcuRows &, int)) {
        connect(findChild<QAction *>(S(name)), &QAction::triggered, this, [this, op] {
            assess::CalcuRows rows = gridRows();
            const int current = op(rows, m_grid->currentRow());
            setGridRows(rows, current);
            Modified = !loading();
        });
    };
    rowAction("actnDangerGradeAdd", [](assess::CalcuRows &rows, int) { return assess::addCalcuRow(rows); });
    rowAction("actnDangerGradeInsert", &assess::insertCalcuRow);
    rowAction("actnDangerGradeDel", &assess::deleteCalcuRow);

    // PopupMenu2: the three row actions and the grade command.
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char *name : {"actnDangerGradeAdd", "actnDangerGradeInsert", "actnDangerGradeDel"})
        m_grid->addAction(findChild<QAction *>(S(name)));
    if (m_host) {
        auto *sep = new QAction(m_grid);
        sep->setSeparator(true);
        m_grid->addAction(sep);
        m_grid->addAction(m_host->command(S("actnRecordCalcu")));
    }
    // The chooser is rebuilt when the grid is entered, clicked or typed in; after arrow-key moves
    // it keeps what it showed, and a choice is written for the cell's own column.
    connect(m_grid, &QTableWidget::itemChanged, this, [this] { Modified = true; });
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { FillChooser(); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { updateChooserHighlight(); });
    connect(m_chooser, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const int row = m_grid->currentRow();
        const int column = m_grid->currentColumn();
        if (row < 0 || column <= 0)
            return;
        const assess::ChooserEntry entry{item->text(0), item->text(1)};
        m_grid->setItem(row, column, new QTableWidgetItem(assess::choiceText(column, entry)));
        updateChooserHighlight();
    });
}

void TfrmChildWin::FillChooser()
{
    m_chooser->setUpdatesEnabled(false);
    m_chooser->clear();
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    const assess::ChooserContent content = assess::chooserContent(column);
    m_chooser->setColumnCount(qMax(1, int(content.columns.size())));
    QStringList headings;
    for (const assess::ChooserColumn &c : content.columns)
        headings << c.heading;
    m_chooser->setHeaderLabels(headings);
    m_chooser->setHeaderHidden(headings.isEmpty());
    for (int c = 0; c < content.columns.size(); ++c)
        m_chooser->setColumnWidth(c, content.columns.at(c).width);
    QList<assess::ChooserEntry> entries = content.entries;
    if (column == assess::ColCorrespondingFileItem && row >= 0) {
        const auto cell = [&](int c) {
            const QTableWidgetItem *i = m_grid->item(row, c);
            return i ? i->text() : QString();
        };
        guarded([&] { entries << assess::lookUpClauses(cell(assess::ColBldgConstitute), cell(assess::ColComponentStructure)); });
    }
    for (const assess::ChooserEntry &e : entries) {
        auto *item = new QTreeWidgetItem(m_chooser, {e.caption, e.text});
        item->setToolTip(1, e.text);
        if (column == assess::ColCorrespondingFileItem)
            m_chooser->scrollToItem(item);
    }
    updateChooserHighlight();
    m_chooser->setUpdatesEnabled(true);
}

void TfrmChildWin::updateChooserHighlight()
{
    const QTableWidgetItem *cell = m_grid->currentItem();
    const QString current = cell ? cell->text() : QString();
    for (int i = 0; i < m_chooser->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_chooser->topLevelItem(i);
        // The entry whose caption is the current cell's text stands out white on green.
        const bool mark = !current.isEmpty() && item->text(0) == current;
        for (int c = 0; c < m_chooser->columnCount(); ++c) {
            item->setBackground(c, mark ? QBrush(QColor(0, 128, 0)) : QBrush());
            item->setForeground(c, mark ? QBrush(Qt::white) : QBrush());
        }
    }
}

void TfrmChildWin::computeDangerGrade()
{
    guarded([this] {
        const assess::DangerGrade result = assess::ComputeDangerGrade(gridRows());
        findChild<QPlainTextEdit *>(S("Memo1"))->setPlainText(result.memoLines().join(QLatin1Char('\n')));
        assess::announceDangerGrade(result);
    });
}

void TfrmChildWin::updateListEntry(int column, const QString &text)
{
    if (m_listModel)
        m_listModel->setEntryText(m_reportQuery->recNo() - 1, ReportListModel::Column(column), text);
}

void TfrmChildWin::loadCalcuRows()
{
    setGridRows(assess::LoadCalcuRows(m_reportQuery->database(), m_reportQuery->text(QStringLiteral("FileNo"))));
}

void TfrmChildWin::SetupReportList()
{
    if (!m_listModel) {
        m_listModel = new ReportListModel(*m_reportQuery, this);
        m_list->setModel(m_listModel);
        m_list->setItemDelegate(new ReportListDelegate(m_list));
        m_list->header()->resizeSection(ReportListModel::FileNo, 140);
        m_list->header()->resizeSection(ReportListModel::Address, 150);
        connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex &index) {
            if (index.isValid())
                GoToReport(index.row());
        });
        // PopupMenu1
        m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
        const char *const entries[] = {"Actn_RecordAppend", "Actn_RecordDelete", nullptr,
                                       "Actn_RecordSaveAsTemplate", "Actn_RecordInstead", nullptr,
                                       "Actn_RecordFirst", "Actn_RecordPrior", "Actn_RecordNext",
                                       "Actn_RecordLast", nullptr, "actnRecordCalcu"};
        for (const char *name : entries) {
            if (!name) {
                auto *sep = new QAction(m_list);
                sep->setSeparator(true);
                m_list->addAction(sep);
            } else if (QAction *a = m_host ? m_host->command(S(name)) : nullptr) {
                m_list->addAction(a);
            }
        }
    }
}

void TfrmChildWin::FillReportList()
{
    if (m_reportQuery->state() == Dataset::State::Edit || m_reportQuery->state() == Dataset::State::Insert)
        m_reportQuery->post(); // a pending row belongs in the list
    m_listModel->fill();
}

void TfrmChildWin::selectCurrentEntry()
{
    m_listModel->shownRowChanged();
    const QModelIndex index = m_listModel->index(m_reportQuery->recNo() - 1, 0);
    if (!index.isValid())
        return;
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void TfrmChildWin::GoToReport(int n)
{
    if (!m_bound)
        return;
    setUpdatesEnabled(false);
    guarded([&] {
        if (Modified)
            storeReport();
        if (Frm_DataModule().MoveToRecord(*m_reportQuery, n) && !m_reportQuery->eof()) {
            RecordToForm(*m_reportQuery);
            loadCalcuRows();
        }
        m_listModel->shownRowChanged();
        Modified = false;
    });
    setUpdatesEnabled(true);
    update();
}

void TfrmChildWin::RecordAppend()
{
    if (!m_bound)
        return;
    guarded([&] {
        if (Modified)
            storeReport();
        Frm_DataModule().AppendReport(*m_reportQuery);
        ClearForm();
        setGridRows(assess::ClearCalcuTable());
        // The blank form goes into the new row at once, with the blank table under its number.
        storeReport();
        FillReportList();
        selectCurrentEntry();
    });
}

void TfrmChildWin::RecordInsert()
{
    if (!m_bound)
        return;
    guarded([&] {
        if (Modified)
            assess::SaveCalcuRows(m_reportQuery->database(), edit(S("labedtFileNo"))->text(), gridRows());
        RecordToForm(*m_reportQuery);
    });
}

void TfrmChildWin::RecordDelete()
{
    if (!m_bound)
        return;
    guarded([&] {
        if (Modified)
            storeReport();
        if (!Frm_DataModule().DeleteReport(*m_reportQuery))
            return;
        if (!m_reportQuery->isEmpty()) {
            RecordToForm(*m_reportQuery);
            loadCalcuRows();
        }
        FillReportList();
        selectCurrentEntry();
    });
}

void TfrmChildWin::RecordMove(Move move)
{
    if (!m_bound)
        return;
    if (m_listModel->rowCount() == 0) {
        prompter().error(QStringLiteral("数据表已空，不能移动记录"));
        return;
    }
    guarded([&] {
        if (Modified)
            FormToRecord(*m_reportQuery); // the move stores it; the grid is not stored here
        switch (move) {
        case Move::First:
            Frm_DataModule().MoveFirst(*m_reportQuery);
            break;
        case Move::Prior:
            Frm_DataModule().MovePrior(*m_reportQuery);
            break;
        case Move::Next:
            Frm_DataModule().MoveNext(*m_reportQuery);
            break;
        case Move::Last:
            Frm_DataModule().MoveLast(*m_reportQuery);
            break;
        }
        selectCurrentEntry();
        if (move != Move::Next || !m_reportQuery->eof()) {
            RecordToForm(*m_reportQuery);
            loadCalcuRows();
        }
    });
}
