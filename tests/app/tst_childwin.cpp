#include "AppState.h"
#include "ChildWin.h"
#include "Clock.h"
#include "Dataset.h"
#include "IniFile.h"
#include "MainForm.h"
#include "ReportDatabase.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Fixture = QStringLiteral("fixture");

// Runs one SQL statement on a database file through a short-lived connection.
QVariant queryValue(const QString &path, const QString &statement)
{
    QVariant v;
    {
        QSqlDatabase db = reportdb::open(path, QStringLiteral("probe"));
        QSqlQuery q(db);
        if (q.exec(statement) && q.next())
            v = q.value(0);
    }
    reportdb::close(QStringLiteral("probe"));
    return v;
}
} // namespace

class TestChildWin : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FixedClock> m_clock;

    QString makeDatabase(const QString &name, int reports)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        reportdb::create(path);
        {
            QSqlDatabase db = reportdb::open(path, Fixture);
            QSqlQuery q(db);
            for (int i = 1; i <= reports; ++i) {
                q.exec(QStringLiteral("insert into ProjectTab (FileNo, Client, Address, DangerCircs, ShatterReason, version, "
                                      "TrustDate, ApprDate, BuildAreaHowff, PageStyle, RowMaxCharCount) values "
                                      "('R%1', '委托人%1', '地址%1', '其他软件', '旧原因', 'v9', '2004-03-05 10:00:00', "
                                      "'2004-04-06 00:00:00', 120.5, 'B5', 40)").arg(i));
                q.exec(QStringLiteral("insert into CalcuData values ('R%1','1','承重结构','墙','砌体','20','2','4.3.2')").arg(i));
            }
        }
        reportdb::close(Fixture);
        return path;
    }

    TfrmChildWin *open(TMainForm &form, const QString &path)
    {
        TfrmChildWin *child = form.OpenDatabaseWindow(path);
        return child;
    }

private slots:
    void init()
    {
        m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2024, 5, 7), QTime(8, 0)));
        QFile::remove(m_dir.filePath(QStringLiteral("config.ini")));
    }
    void cleanup() { m_clock.reset(); }

    void openingEnablesCommandsAndClosingDisables()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("a.had"), 2);
        TfrmChildWin *child = open(form, path);
        QVERIFY(child->isBound());
        for (const QString &name : TMainForm::childCommandNames())
            QVERIFY2(form.command(name)->isEnabled(), qPrintable(name));
        QVERIFY(!child->Modified);
        QVERIFY(!appState().loadingWindow); // lowered by the activation
        QCOMPARE(form.mdiArea()->subWindowList().first()->windowTitle(), QStringLiteral("a"));
        QCOMPARE(child->WindowMenuItem->text(), QStringLiteral("a& "));

        form.command(QStringLiteral("Actn_FileClose"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.mdiArea()->subWindowList().isEmpty());
        for (const QString &name : TMainForm::childCommandNames())
            QVERIFY2(!form.command(name)->isEnabled(), qPrintable(name));
        QCOMPARE(IniFile(appState().configPath()).readString(QStringLiteral("Commond"), QStringLiteral("OpenFileName"), QString()), path);
        QVERIFY(p.calls.isEmpty());
    }

    void bindingRoundTrip()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("b.had"), 1);
        TfrmChildWin *child = open(form, path);
        QCOMPARE(child->edit(QStringLiteral("labedtFileNo"))->text(), QStringLiteral("R1"));
        QCOMPARE(child->edit(QStringLiteral("labedtClient1"))->text(), QStringLiteral("委托人1"));
        QCOMPARE(child->edit(QStringLiteral("labedtClient2"))->text(), QStringLiteral("委托人1"));
        QCOMPARE(child->edit(QStringLiteral("labedtTrustDate2"))->text(), QStringLiteral("2004年3月5日"));
        QCOMPARE(child->picker(QStringLiteral("dtpickApprDate"))->date(), QDate(2004, 4, 6));
        QCOMPARE(child->edit(QStringLiteral("labedtBuildAreaHowff"))->text(), QStringLiteral("120.5"));
        QCOMPARE(child->edit(QStringLiteral("labedtBuildAreaTrade"))->text(), QString());
        QCOMPARE(child->edit(QStringLiteral("labedtSum"))->text(), QString()); // not formed while loading
        QCOMPARE(child->grid()->rowCount(), 1);
        QCOMPARE(child->grid()->item(0, 6)->text(), QStringLiteral("4.3.2"));

        // Edit every kind of control, store, read back from the file.
        child->edit(QStringLiteral("labedtClient1"))->setText(QStringLiteral("王五"));
        QCOMPARE(child->edit(QStringLiteral("labedtClient2"))->text(), QStringLiteral("王五"));
        QVERIFY(child->Modified);
        child->edit(QStringLiteral("labedtLinkPhone1"))->setText(QStringLiteral("020-1234"));
        child->combo(QStringLiteral("cbbStrucStyle"))->setCurrentText(QStringLiteral("混合结构"));
        child->memo(QStringLiteral("memApprCircs"))->setPlainText(QStringLiteral("00123\n第二行"));
        child->edit(QStringLiteral("labedtBuildAreaTrade"))->setText(QStringLiteral("12.5"));
        QCOMPARE(child->edit(QStringLiteral("labedtSum"))->text(), QStringLiteral("133"));
        child->edit(QStringLiteral("labedtBuildAreaHowff"))->clear();
        child->picker(QStringLiteral("dtpickTrustDate1"))->setDate(QDate(2004, 12, 1));
        QCOMPARE(child->edit(QStringLiteral("labedtTrustDate2"))->text(), QStringLiteral("2004年12月1日"));
        form.command(QStringLiteral("Actn_FileSave"))->trigger();
        QVERIFY(!child->Modified);
        QVERIFY(p.calls.isEmpty());

        QCOMPARE(queryValue(path, QStringLiteral("select Client from ProjectTab")).toString(), QStringLiteral("王五"));
        QCOMPARE(queryValue(path, QStringLiteral("select LinkPhone from ProjectTab")).toString(), QStringLiteral("020-1234"));
        QCOMPARE(queryValue(path, QStringLiteral("select StrucStyle from ProjectTab")).toString(), QStringLiteral("混合结构"));
        QCOMPARE(queryValue(path, QStringLiteral("select ApprCircs from ProjectTab")).toString(), QStringLiteral("00123\n第二行"));
        QVERIFY(queryValue(path, QStringLiteral("select BuildAreaHowff from ProjectTab")).isNull());
        QCOMPARE(queryValue(path, QStringLiteral("select BuildAreaTrade from ProjectTab")).toDouble(), 12.5);
        QCOMPARE(queryValue(path, QStringLiteral("select substr(TrustDate,1,10) from ProjectTab")).toString(), QStringLiteral("2004-12-01"));
        QCOMPARE(queryValue(path, QStringLiteral("select DangerCircs || ShatterReason || version from ProjectTab")).toString(),
                 QStringLiteral("其他软件旧原因v9"));
        QCOMPARE(queryValue(path, QStringLiteral("select PageStyle || RowMaxCharCount from ProjectTab")).toString(), QStringLiteral("B540"));
        QCOMPARE(queryValue(path, QStringLiteral("select count(*) from CalcuData where FileNo='R1'")).toInt(), 1);
    }

    void saveFailureKeepsEditsAndSaysWhy()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("c.had"), 1);
        TfrmChildWin *child = open(form, path);
        child->edit(QStringLiteral("labedtBuildAreaOther"))->setText(QStringLiteral("一百"));
        child->edit(QStringLiteral("labedtLinkMan"))->setText(QStringLiteral("新联系人"));
        QCOMPARE(child->edit(QStringLiteral("labedtSum"))->text(), QStringLiteral("120.5"));
        form.command(QStringLiteral("Actn_FileSave"))->trigger();
        QVERIFY(child->Modified);
        QCOMPARE(p.calls.size(), 1);
        QVERIFY2(p.calls.at(0).text.contains(QStringLiteral("其它")), qPrintable(p.calls.at(0).text));
        QCOMPARE(p.calls.at(0).caption, AppTitle());
        QVERIFY(queryValue(path, QStringLiteral("select LinkMan from ProjectTab")).isNull());
        QCOMPARE(child->edit(QStringLiteral("labedtLinkMan"))->text(), QStringLiteral("新联系人"));
    }

    void emptyDatabaseGetsOneBlankReport()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("empty.had"), 0);
        TfrmChildWin *child = open(form, path);
        QCOMPARE(child->ReportQuery().recordCount(), 1);
        QCOMPARE(queryValue(path, QStringLiteral("select count(*) from ProjectTab")).toInt(), 1);
        QCOMPARE(queryValue(path, QStringLiteral("select PageStyle || PageWidth from ProjectTab")).toString(), QStringLiteral("A4210"));
        QCOMPARE(queryValue(path, QStringLiteral("select substr(ApprDate,1,10) from ProjectTab")).toString(), QStringLiteral("2024-05-07"));
        QCOMPARE(child->edit(QStringLiteral("labedtTrustDate2"))->text(), QStringLiteral("2024年5月7日"));
        QVERIFY(!child->Modified);
    }

    void reportNumberRenamesCalculationRowsOnLeaving()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString path = makeDatabase(QStringLiteral("d.had"), 1);
        TfrmChildWin *child = open(form, path);
        child->showPage(2);
        QLineEdit *fileNo = child->edit(QStringLiteral("labedtFileNo"));
        fileNo->setFocus();
        QTRY_VERIFY(fileNo->hasFocus());
        QCOMPARE(OldFileNo(), QStringLiteral("R1"));
        fileNo->setText(QStringLiteral("R1-新"));
        child->edit(QStringLiteral("labedtMemory"))->setFocus();
        QTRY_VERIFY(!fileNo->hasFocus());
        QCOMPARE(queryValue(path, QStringLiteral("select FileNo from CalcuData")).toString(), QStringLiteral("R1-新"));
        QCOMPARE(queryValue(path, QStringLiteral("select FileNo from ProjectTab")).toString(), QStringLiteral("R1"));
    }

    void enterMovesToNextField()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        TfrmChildWin *child = open(form, makeDatabase(QStringLiteral("e.had"), 1));
        QLineEdit *client = child->edit(QStringLiteral("labedtClient1"));
        client->setFocus();
        QTRY_VERIFY(client->hasFocus());
        QTest::keyClick(client, Qt::Key_Return);
        QVERIFY(!client->hasFocus());
        child->showPage(2);
        QPlainTextEdit *memo = child->memo(QStringLiteral("memApprConclusion"));
        memo->setFocus();
        QTRY_VERIFY(memo->hasFocus());
        memo->setPlainText(QStringLiteral("甲"));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QVERIFY(memo->hasFocus());
        QCOMPARE(memo->toPlainText(), QStringLiteral("甲\n"));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yes stores") << int(Prompter::Yes) << true << "改过";
        QTest::newRow("no discards") << int(Prompter::No) << true << "委托人1";
        QTest::newRow("cancel keeps") << int(Prompter::Cancel) << false << "委托人1";
    }
    void closeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("f.had"), 1);
        TfrmChildWin *child = open(form, path);
        child->edit(QStringLiteral("labedtClient1"))->setText(QStringLiteral("改过"));
        p.answers.enqueue(Prompter::Button(answer));
        form.command(QStringLiteral("Actn_FileClose"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(p.messageTexts(), QStringList{QStringLiteral("数据已被更改,保存吗?")});
        QCOMPARE(p.calls.at(0).buttons, Prompter::Yes | Prompter::No | Prompter::Cancel);
        QCOMPARE(form.mdiArea()->subWindowList().isEmpty(), closed);
        QCOMPARE(appState().closeCancelled, !closed);
        QCOMPARE(queryValue(path, QStringLiteral("select Client from ProjectTab")).toString(), stored);
        QCOMPARE(IniFile(appState().configPath()).hasKey(QStringLiteral("Commond"), QStringLiteral("OpenFileName")), closed);
    }

    void mainWindowAsksEveryModifiedWindow()
    {
        ScriptedPrompter p;
        auto *form = new TMainForm(m_dir.path());
        const QString a = makeDatabase(QStringLiteral("g1.had"), 1);
        const QString b = makeDatabase(QStringLiteral("g2.had"), 1);
        TfrmChildWin *first = open(*form, a);
        first->edit(QStringLiteral("labedtClient1"))->setText(QStringLiteral("甲改"));
        TfrmChildWin *second = open(*form, b);
        second->edit(QStringLiteral("labedtClient1"))->setText(QStringLiteral("乙改"));

        // Cancel on the second question keeps everything open.
        p.answers << Prompter::No << Prompter::Cancel;
        QVERIFY(!form->close());
        QCOMPARE(p.calls.size(), 2);
        QCOMPARE(form->mdiArea()->subWindowList().size(), 2);
        QVERIFY(first->Modified && second->Modified);

        QCOMPARE(queryValue(a, QStringLiteral("select Client from ProjectTab")).toString(), QStringLiteral("委托人1"));

        // Yes for both: both stored, nothing asked twice.
        p.calls.clear();
        p.answers << Prompter::Yes << Prompter::Yes;
        QVERIFY(form->close());
        QCOMPARE(p.calls.size(), 2);
        QCOMPARE(queryValue(b, QStringLiteral("select Client from ProjectTab")).toString(), QStringLiteral("乙改"));
        QCOMPARE(queryValue(a, QStringLiteral("select Client from ProjectTab")).toString(), QStringLiteral("甲改"));
        delete form;
    }

    void newOverExistingFile()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString path = makeDatabase(QStringLiteral("h.had"), 2);
        p.fileAnswers << path;
        p.answers << Prompter::No;
        form.command(QStringLiteral("Actn_FileNew"))->trigger();
        QCOMPARE(p.calls.at(0).kind, QStringLiteral("save"));
        QCOMPARE(p.calls.at(0).file.title, QStringLiteral("保存新数据库为"));
        QCOMPARE(p.calls.at(0).file.directory, m_dir.path() + QStringLiteral("/Data"));
        QCOMPARE(p.calls.at(0).file.defaultSuffix, QStringLiteral("had"));
        QVERIFY(form.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(queryValue(path, QStringLiteral("select count(*) from ProjectTab")).toInt(), 2);

        p.fileAnswers << path;
        p.answers << Prompter::Yes;
        form.command(QStringLiteral("Actn_FileNew"))->trigger();
        QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(queryValue(path, QStringLiteral("select count(*) from ProjectTab")).toInt(), 1);
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("typed");     // relative to the temp folder
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("target");    // expected copy, empty = none
        QTest::addColumn<QString>("message");   // start of the expected message, if any
        QTest::newRow("same file other case") << "SRC.HAD" << false << 0 << "" << "源文件: ";
        QTest::newRow("other extension") << "copy.bak" << false << 0 << "copy.had" << "";
        QTest::newRow("existing, yes") << "old.had" << true << int(Prompter::Yes) << "old.had" << "覆盖已存在的文件 ";
        QTest::newRow("existing, no") << "old.had" << true << int(Prompter::No) << "" << "覆盖已存在的文件 ";
    }
    void saveAs()
    {
        QFETCH(QString, typed);
        QFETCH(bool, existing);
        QFETCH(int, answer);
        QFETCH(QString, target);
        QFETCH(QString, message);
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        const QString source = makeDatabase(QStringLiteral("src.had"), 3);
        QFile::remove(m_dir.filePath(QStringLiteral("copy.had")));
        QFile::remove(m_dir.filePath(QStringLiteral("old.had")));
        if (existing)
            makeDatabase(QStringLiteral("old.had"), 1);
        open(form, source);
        p.fileAnswers << m_dir.filePath(typed);
        if (answer)
            p.answers << Prompter::Button(answer);
        form.command(QStringLiteral("Actn_FileSaveAs"))->trigger();
        QCOMPARE(p.calls.at(0).file.title, QStringLiteral("另存为"));
        QCOMPARE(p.calls.at(0).file.fileName, QStringLiteral("src.had"));
        QCOMPARE(p.calls.at(0).file.directory, m_dir.path() + QStringLiteral("/Backup"));
        const QStringList texts = p.messageTexts();
        if (message.isEmpty())
            QVERIFY2(texts.isEmpty(), qPrintable(texts.join(QLatin1Char('|'))));
        else
            QVERIFY2(!texts.isEmpty() && texts.first().startsWith(message), qPrintable(texts.join(QLatin1Char('|'))));
        if (!target.isEmpty())
            QCOMPARE(queryValue(m_dir.filePath(target), QStringLiteral("select count(*) from ProjectTab")).toInt(), 3);
        else if (existing)
            QCOMPARE(queryValue(m_dir.filePath(QStringLiteral("old.had")), QStringLiteral("select count(*) from ProjectTab")).toInt(), 1);
    }

    void calculationTableAndGrade()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        QDir().mkpath(m_dir.filePath(QStringLiteral("Resource")));
        QFile::remove(m_dir.filePath(QStringLiteral("Resource/ApprStandar.mdb")));
        QVERIFY(QFile::copy(QStringLiteral(LUMAREL_APPDIR "/Resource/ApprStandar.mdb"),
                            m_dir.filePath(QStringLiteral("Resource/ApprStandar.mdb"))));
        const QString path = makeDatabase(QStringLiteral("calc.had"), 1);
        TfrmChildWin *child = open(form, path);
        QTableWidget *grid = child->grid();

        // Row actions keep the numbering.
        grid->setCurrentCell(0, 1);
        child->findChild<QAction *>(QStringLiteral("actnDangerGradeAdd"))->trigger();
        child->findChild<QAction *>(QStringLiteral("actnDangerGradeAdd"))->trigger();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("3"));
        QVERIFY(child->Modified);
        grid->setCurrentCell(0, 1);
        child->findChild<QAction *>(QStringLiteral("actnDangerGradeDel"))->trigger();
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));

        // The chooser lists real clauses for the row's part and structure.
        grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("承重结构")));
        grid->setItem(0, 2, new QTableWidgetItem(QStringLiteral("墙")));
        grid->setItem(0, 3, new QTableWidgetItem(QStringLiteral("砌体")));
        grid->setItem(0, 4, new QTableWidgetItem(QStringLiteral("10")));
        grid->setItem(0, 5, new QTableWidgetItem(QStringLiteral("3")));
        grid->setCurrentCell(0, 6);
        emit grid->cellClicked(0, 6);
        auto *chooser = child->findChild<QTreeWidget *>(QStringLiteral("ListView2"));
        QVERIFY(chooser->topLevelItemCount() > 0);
        QCOMPARE(chooser->headerItem()->text(1), QStringLiteral("条文"));
        QVERIFY(p.calls.isEmpty());
        // Choosing a clause writes its number; the entry then stands out in green.
        QTreeWidgetItem *clause = chooser->topLevelItem(0);
        emit chooser->itemClicked(clause, 1);
        QCOMPARE(grid->item(0, 6)->text(), clause->text(0));
        QCOMPARE(clause->background(0).color(), QColor(0, 128, 0));
        // Counts offer nothing to choose.
        grid->setCurrentCell(0, 4);
        emit grid->cellClicked(0, 4);
        QCOMPARE(chooser->topLevelItemCount(), 0);

        // The grade goes into Memo1 and a box captioned "计算结果".
        form.command(QStringLiteral("actnRecordCalcu"))->trigger();
        const QString memo = child->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();
        QVERIFY2(memo.contains(QStringLiteral("该房屋的危险性等级为")), qPrintable(memo));
        QCOMPARE(p.calls.size(), 1);
        QCOMPARE(p.calls.at(0).caption, QStringLiteral("计算结果"));

        // Stored with the report, in one transaction.
        form.command(QStringLiteral("Actn_FileSave"))->trigger();
        QCOMPARE(queryValue(path, QStringLiteral("select count(*) from CalcuData where FileNo='R1'")).toInt(), 2);
        QCOMPARE(queryValue(path, QStringLiteral("select ComponentTotal from CalcuData where PartNumber='1'")).toString(),
                 QStringLiteral("10"));
    }

    void workedExampleGradesB()
    {
        ScriptedPrompter p;
        TMainForm form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        TfrmChildWin *child = open(form, makeDatabase(QStringLiteral("grade.had"), 1));
        child->showPage(1);
        QTableWidget *grid = child->grid();
        QVERIFY(!child->Modified);
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QVERIFY(child->Modified); // entering the table counts as an edit
        const char *const rows[][5] = {{"地基基础", "基础", "", "10", "0"}, {"承重结构", "柱", "", "20", "3"},
                                       {"承重结构", "墙段", "", "40", "2"}, {"承重结构", "板", "", "50", "5"},
                                       {"围护结构", "围护构件", "", "30", "6"}};
        grid->setRowCount(0);
        for (const auto &r : rows) {
            child->findChild<QAction *>(QStringLiteral("actnDangerGradeAdd"))->trigger();
            for (int c = 0; c < 5; ++c)
                grid->item(grid->rowCount() - 1, c + 1)->setText(QString::fromUtf8(r[c]));
        }
        form.command(QStringLiteral("actnRecordCalcu"))->trigger();
        const QStringList memo = child->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(memo.size(), 7);
        QCOMPARE(memo.at(1), QStringLiteral("承重结构中,危险构件的百分数＝9%; μa＝0.00, μb＝0.84, μc＝0.16, μd＝0.00"));
        QCOMPARE(memo.at(6), QStringLiteral("综上所述,该房屋的危险性等级为B级"));
        QCOMPARE(p.calls.size(), 1);
        QVERIFY(p.calls.at(0).text.contains(QStringLiteral("B级")));
    }

    void autoOpenAtStart_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("opened"); // window caption, empty = none
        QTest::newRow("last closed") << QByteArray("[Commond]\r\nAutoOpenItem=1\r\nOpenFileName=%LAST%\r\n") << "last";
        QTest::newRow("option off opens default") << QByteArray("[Commond]\r\nAutoOpenItem=0\r\nOpenFileName=%LAST%\r\n")
                                                  << "2004年房屋安全鉴定报告";
        QTest::newRow("deleted file") << QByteArray("[Commond]\r\nAutoOpenItem=1\r\nOpenFileName=%DIR%/gone.had\r\n") << "";
        QTest::newRow("empty value") << QByteArray("[Commond]\r\nAutoOpenItem=1\r\nOpenFileName=\r\n") << "";
        QTest::newRow("no config opens default") << QByteArray() << "2004年房屋安全鉴定报告";
    }
    void autoOpenAtStart()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, opened);
        ScriptedPrompter p;
        QTemporaryDir app;
        QDir().mkpath(app.filePath(QStringLiteral("Data")));
        const QString last = makeDatabase(QStringLiteral("last.had"), 1);
        QFile::copy(last, app.filePath(QStringLiteral("Data/2004年房屋安全鉴定报告.had")));
        if (!ini.isNull()) {
            QFile f(app.filePath(QStringLiteral("config.ini")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini.replace("%LAST%", last.toUtf8()).replace("%DIR%", app.path().toUtf8()));
        }
        TMainForm form(app.path());
        form.show();
        const auto windows = form.mdiArea()->subWindowList();
        QCOMPARE(windows.isEmpty(), opened.isEmpty());
        if (!opened.isEmpty())
            QCOMPARE(windows.first()->windowTitle(), opened);
        QVERIFY(p.calls.isEmpty());
    }
};

QTEST_MAIN(TestChildWin)
#include "tst_childwin.moc"
