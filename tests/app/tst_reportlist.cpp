#include "AppState.h"
#include "ChildWin.h"
#include "Dataset.h"
#include "MainForm.h"
#include "ReportDatabase.h"
#include "ReportListModel.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestReportList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<TMainForm> m_form;
    TfrmChildWin *m_child = nullptr;
    QString m_path;

    // A window on a database with `reports` reports numbered R1.., each with one calculation row.
    void openFixture(int reports)
    {
        m_path = m_dir.filePath(QStringLiteral("list.had"));
        QFile::remove(m_path);
        reportdb::create(m_path);
        {
            QSqlDatabase db = reportdb::open(m_path, QStringLiteral("fixture"));
            QSqlQuery q(db);
            for (int i = 1; i <= reports; ++i) {
                q.exec(QStringLiteral("insert into ProjectTab (FileNo, Client, Address, PropertyRightMan) "
                                      "values ('R%1', '委托人%1', '地址%1', '产权人%1')").arg(i));
                q.exec(QStringLiteral("insert into CalcuData values ('R%1','1','承重结构','墙','砌体','2%1','1','')").arg(i));
            }
        }
        reportdb::close(QStringLiteral("fixture"));
        m_form = std::make_unique<TMainForm>(m_dir.path());
        m_child = m_form->OpenDatabaseWindow(m_path);
    }
    ReportListModel *list() const { return m_child->reportList(); }
    QString entry(int row, int column) const { return list()->index(row, column).data().toString(); }
    QString fileNo() const { return m_child->edit(QStringLiteral("labedtFileNo"))->text(); }
    void trigger(const char *name) { m_form->command(QString::fromLatin1(name))->trigger(); }
    int shownEntry() const
    {
        for (int r = 0; r < list()->rowCount(); ++r)
            if (list()->index(r, 0).data(ReportListModel::ShownRole).toBool())
                return r;
        return -1;
    }

private slots:
    void init() { m_prompter = std::make_unique<ScriptedPrompter>(); }
    void cleanup()
    {
        m_child = nullptr;
        m_form.reset();
        m_prompter.reset();
    }

    void listShowsEveryReportAndTheShownOneInGreen()
    {
        openFixture(3);
        QCOMPARE(list()->rowCount(), 3);
        QCOMPARE(entry(2, ReportListModel::FileNo), QStringLiteral("R3"));
        QCOMPARE(entry(2, ReportListModel::Client), QStringLiteral("委托人3"));
        QCOMPARE(list()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("地址"));
        QCOMPARE(m_child->reportListView()->header()->sectionSize(0), 140);
        QCOMPARE(shownEntry(), 0);
        QCOMPARE(list()->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 128, 0));

        // Selecting another entry without going there leaves the highlight on the shown report.
        m_child->reportListView()->setCurrentIndex(list()->index(2, 0));
        QCOMPARE(shownEntry(), 0);
        trigger("Actn_RecordLast");
        QCOMPARE(shownEntry(), 2);
        QCOMPARE(m_child->reportListView()->currentIndex().row(), 2);
        QCOMPARE(fileNo(), QStringLiteral("R3"));

        // Any key released on the list goes to the selected entry's report.
        m_child->reportListView()->setCurrentIndex(list()->index(1, 0));
        QTest::keyRelease(m_child->reportListView(), Qt::Key_Up);
        QCOMPARE(fileNo(), QStringLiteral("R2"));
        QCOMPARE(shownEntry(), 1);
    }

    void typingUpdatesTheEntryAtOnce()
    {
        openFixture(2);
        QLineEdit *client = m_child->edit(QStringLiteral("labedtClient1"));
        client->setText(QStringLiteral("王"));
        QCOMPARE(entry(0, ReportListModel::Client), QStringLiteral("王"));
        client->setText(QStringLiteral("王五"));
        QCOMPARE(entry(0, ReportListModel::Client), QStringLiteral("王五"));
        m_child->edit(QStringLiteral("labedtFileNo"))->setText(QStringLiteral("N1"));
        QCOMPARE(entry(0, ReportListModel::FileNo), QStringLiteral("N1"));
        QCOMPARE(entry(1, ReportListModel::Client), QStringLiteral("委托人2"));
    }

    void clickingTheShownEntryStoresAndReloads()
    {
        openFixture(2);
        m_child->edit(QStringLiteral("labedtLinkMan"))->setText(QStringLiteral("联系人甲"));
        QVERIFY(m_child->Modified);
        m_child->GoToReport(0);
        QVERIFY(!m_child->Modified);
        QCOMPARE(m_child->edit(QStringLiteral("labedtLinkMan"))->text(), QStringLiteral("联系人甲"));
        m_child->GoToReport(1);
        QCOMPARE(fileNo(), QStringLiteral("R2"));
        QCOMPARE(m_child->grid()->item(0, 4)->text(), QStringLiteral("22"));
        QVERIFY(!m_child->Modified);
        QVERIFY(m_prompter->calls.isEmpty());
    }

    void nextOnLastKeepsPriorOnFirstReloads()
    {
        openFixture(2);
        trigger("Actn_RecordLast");
        m_child->grid()->item(0, 4)->setText(QStringLiteral("99"));
        trigger("Actn_RecordNext");
        QCOMPARE(m_child->grid()->item(0, 4)->text(), QStringLiteral("99")); // not reloaded
        trigger("Actn_RecordFirst");
        QCOMPARE(m_child->grid()->item(0, 4)->text(), QStringLiteral("21"));
        m_child->grid()->item(0, 4)->setText(QStringLiteral("99"));
        trigger("Actn_RecordPrior");
        QCOMPARE(m_child->grid()->item(0, 4)->text(), QStringLiteral("21")); // reloaded
        QCOMPARE(fileNo(), QStringLiteral("R1"));
    }

    void formEditsTravelWithTheMove()
    {
        openFixture(2);
        m_child->edit(QStringLiteral("labedtMemory"))->setText(QStringLiteral("备注甲"));
        trigger("Actn_RecordNext");
        QCOMPARE(fileNo(), QStringLiteral("R2"));
        trigger("Actn_RecordPrior");
        QCOMPARE(m_child->edit(QStringLiteral("labedtMemory"))->text(), QStringLiteral("备注甲"));
    }

    void appendTwiceGivesTwoBlankReports()
    {
        openFixture(1);
        trigger("Actn_RecordAppend");
        trigger("Actn_RecordAppend");
        QCOMPARE(m_child->ReportQuery().recordCount(), 3);
        QCOMPARE(list()->rowCount(), 3);
        QCOMPARE(shownEntry(), 2);
        QCOMPARE(m_child->reportListView()->currentIndex().row(), 2);
        QCOMPARE(fileNo(), QString());
        QCOMPARE(m_child->grid()->rowCount(), 10);
        QCOMPARE(entry(1, ReportListModel::FileNo), QString());
        QVERIFY(!m_child->Modified);
        QVERIFY(m_prompter->calls.isEmpty());
        {
            QSqlQuery q(m_child->ReportQuery().database());
            QVERIFY(q.exec(QStringLiteral("select count(*) from ProjectTab where FileNo = ''")) && q.next());
            QCOMPARE(q.value(0).toInt(), 2);
            QVERIFY(q.exec(QStringLiteral("select count(*) from CalcuData where FileNo = ''")) && q.next());
            QCOMPARE(q.value(0).toInt(), 10); // one shared table
        }
    }

    void deletingTheOnlyReport()
    {
        openFixture(1);
        trigger("Actn_RecordDelete");
        QCOMPARE(list()->rowCount(), 0);
        QCOMPARE(fileNo(), QStringLiteral("R1")); // the form still shows it
        QVERIFY(m_prompter->calls.isEmpty());

        trigger("Actn_RecordNext");
        trigger("Actn_RecordDelete");
        QCOMPARE(m_prompter->messageTexts(),
                 (QStringList{QStringLiteral("数据表已空，不能移动记录"), QStringLiteral("数据表已空，不能删除!")}));
        QCOMPARE(m_prompter->calls.at(0).icon, Prompter::Icon::Error);

        // Storing the form now makes a new report from it.
        m_child->edit(QStringLiteral("labedtLinkMan"))->setText(QStringLiteral("又来"));
        trigger("Actn_FileSave");
        QCOMPARE(m_child->ReportQuery().recordCount(), 1);
        QCOMPARE(m_child->ReportQuery().text(QStringLiteral("FileNo")), QStringLiteral("R1"));
    }
};

QTEST_MAIN(TestReportList)
#include "tst_reportlist.moc"
