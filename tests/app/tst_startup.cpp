#include "AppState.h"
#include "MainForm.h"
#include "ScriptedPrompter.h"
#include "StartUp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>
#include <QTemporaryDir>
#include <QtTest>

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void firstRunMakesFoldersAndTakesDefaults()
    {
        ScriptedPrompter p;
        QTemporaryDir dir;
        appState().options = AppOptions{1, false, false};
        TMainForm form(dir.path());
        for (const QString &name : workingDirectoryNames())
            QVERIFY2(QFileInfo(dir.filePath(name)).isDir(), qPrintable(name));
        QCOMPARE(appState().appDir, dir.path());
        QCOMPARE(appState().options.autoSaveTime, 5);
        QVERIFY(appState().options.autoOpenItem);
        QVERIFY(appState().options.isPrintSoftMess);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("config.ini"))));
        QCOMPARE(form.windowTitle(), QStringLiteral("Lumarel房屋安全鉴定管理系统 1.5"));
        QVERIFY(p.calls.isEmpty());
    }

    void optionsFromConfig_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("autoSaveTime");
        QTest::addColumn<bool>("autoOpen");
        QTest::addColumn<bool>("softLine");
        QTest::newRow("values") << QByteArray("[Commond]\r\nAutoSaveTime=12\r\nAutoOpenItem=0\r\n[Misc]\r\nIsPrintSoftMess=0\r\n")
                                << 12 << false << false;
        QTest::newRow("any non-zero is true") << QByteArray("[commond]\r\nautoopenitem=-2\r\n[MISC]\r\nIsPrintSoftMess=7\r\n")
                                              << 5 << true << true;
        QTest::newRow("garbage") << QByteArray("\x00\xff\xfe[Commond\r\nAutoSaveTime=x\r\n", 30) << 5 << true << true;
    }
    void optionsFromConfig()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, autoSaveTime);
        QFETCH(bool, autoOpen);
        QFETCH(bool, softLine);
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini);
        f.close();
        appState().appDir = dir.path();
        startup::ReadOptions();
        QCOMPARE(appState().options.autoSaveTime, autoSaveTime);
        QCOMPARE(appState().options.autoOpenItem, autoOpen);
        QCOMPARE(appState().options.isPrintSoftMess, softLine);
    }

    void folderThatCannotBeMadeStopsTheRest()
    {
        ScriptedPrompter p;
        QTemporaryDir dir;
        // A file where the Backup folder should be: Data is made, Backup fails, the rest is skipped.
        QFile blocker(dir.filePath(QStringLiteral("Backup")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!startup::EnsureWorkingDirectories(dir.path()));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Data"))).isDir());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Template"))));
        QCOMPARE(p.calls.size(), 1);
        QCOMPARE(p.calls.at(0).icon, Prompter::Icon::Error);
        QCOMPARE(p.calls.at(0).caption, AppTitle());
        QVERIFY(p.calls.at(0).text.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("Backup")))));
        QVERIFY(p.calls.at(0).text.contains(QStringLiteral("同名的文件")));
    }

    void childCommandsDisabledWithoutWindow()
    {
        ScriptedPrompter p;
        QTemporaryDir dir;
        TMainForm form(dir.path());
        for (const QString &name : TMainForm::childCommandNames())
            QVERIFY2(!form.command(name)->isEnabled(), qPrintable(name));
        for (const char *name : {"Actn_FileNew", "Actn_FileOpen", "Actn_FileExit", "Actn_ViewTools",
                                 "Actn_ViewStatus", "Actn_OptionConfig", "actnOptionCalcu",
                                 "actnArrangeChildWin", "actnHelpManual", "HelpEmail", "HelpAbout1"})
            QVERIFY2(form.command(QString::fromLatin1(name))->isEnabled(), name);
        QCOMPARE(TMainForm::childCommandNames().size(), 29);
        QVERIFY(form.command(QStringLiteral("Actn_ViewTools"))->isChecked());
        QVERIFY(form.command(QStringLiteral("actnEditBrowser"))->isChecked());
        QVERIFY(!form.command(QStringLiteral("actnEditFind"))->isChecked());
    }

    void helpManualMissing()
    {
        ScriptedPrompter p;
        QTemporaryDir dir;
        TMainForm form(dir.path());
        form.command(QStringLiteral("actnHelpManual"))->trigger();
        QCOMPARE(p.messageTexts(),
                 QStringList{QStringLiteral("帮助文件 ") + dir.path() + QStringLiteral("/KVXHelp.htm 不存在!")});
    }

    void toolBarToggle()
    {
        ScriptedPrompter p;
        QTemporaryDir dir;
        TMainForm form(dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAction *tools = form.command(QStringLiteral("Actn_ViewTools"));
        tools->trigger();
        QVERIFY(!form.toolBar()->isVisible());
        QVERIFY(!tools->isChecked());
        QVERIFY(form.menuBar()->isVisible());
        tools->trigger();
        QVERIFY(form.toolBar()->isVisible());
        QVERIFY(tools->isChecked());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
