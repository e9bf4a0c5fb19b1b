// The File-menu commands, report-window bookkeeping and the close question of the main window.
#include "MainForm.h"

#include "AppState.h"
#include "DataModule.h"
#include "DatabaseFiles.h"
#include "Guard.h"
#include "IniFile.h"
#include "Prompter.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The file dialogs of the database commands all list report databases only.
Prompter::FileRequest databaseRequest(const QString &title, const QString &directory, const QString &fileName)
{
    Prompter::FileRequest r;
    r.title = title;
    r.directory = directory;
    r.fileName = fileName;
    r.filter = QStringLiteral("房屋安全鉴定数据库 *.had (*.had)");
    r.defaultSuffix = QStringLiteral("had");
    r.confirmOverwrite = false; // the commands ask themselves
    return r;
}

} // namespace

TfrmChildWin *TMainForm::activeChild() const
{
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    if (!sub && !m_mdi->subWindowList().isEmpty())
        sub = m_mdi->subWindowList().constLast();
    return sub ? qobject_cast<TfrmChildWin *>(sub->widget()) : nullptr;
}

QList<TfrmChildWin *> TMainForm::children() const
{
    QList<TfrmChildWin *> out;
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (auto *c = qobject_cast<TfrmChildWin *>(sub->widget()))
            out << c;
    }
    return out;
}

TfrmChildWin *TMainForm::OpenDatabaseWindow(const QString &path)
{
    appState().currentDatabasePath = path;
    appState().loadingWindow = true;
    auto *child = new TfrmChildWin(this);
    const QString name = QFileInfo(path).completeBaseName();
    // The Window-menu entry: choosing it brings every window of that caption forward.
    auto *item = new QAction(name + QStringLiteral("& "), this);
    item->setObjectName(QStringLiteral("WindowMenuItem"));
    item->setStatusTip(name);
    item->setCheckable(true);
    m_windowList->addAction(item);
    m_windowMenu->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] {
        for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
            if (sub->windowTitle() == item->statusTip())
                m_mdi->setActiveSubWindow(sub);
        }
    });
    child->WindowMenuItem = item;

    QMdiSubWindow *sub = m_mdi->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(name);
    child->setWindowTitle(name);
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    activeWindowChanged(sub);
    connect(sub, &QObject::destroyed, this, [this] { UpdateCommandStates(); });
    UpdateCommandStates();
    return child;
}

void TMainForm::activeWindowChanged(QMdiSubWindow *window)
{
    auto *child = window ? qobject_cast<TfrmChildWin *>(window->widget()) : nullptr;
    if (child == m_activeChild)
        return;
    if (m_activeChild)
        m_activeChild->FormDeactivate();
    m_activeChild = child;
    if (child)
        child->FormActivate();
}

bool TMainForm::saveChild(TfrmChildWin *child)
{
    if (!child || !child->Modified)
        return true;
    return guarded([child] { child->storeReport(); });
}

void TMainForm::SyncViewChecks()
{
    TfrmChildWin *child = activeChild();
    if (!child)
        return;
    const int i = child->tabSet()->currentIndex();
    if (i < 0 || i > 2)
        return;
    for (int k = 0; k < 3; ++k)
        command(QStringLiteral("actnView%1").arg(k))->setChecked(k == i);
}

void TMainForm::SyncBrowseFindChecks()
{
    TfrmChildWin *child = activeChild();
    if (!child)
        return;
    const int i = child->leftPages()->currentIndex();
    if (i != 0 && i != 1)
        return;
    command(QStringLiteral("actnEditBrowser"))->setChecked(i == 0);
    command(QStringLiteral("actnEditFind"))->setChecked(i == 1);
}

void TMainForm::createFileCommands()
{
    m_windowList = new QActionGroup(this);
    m_windowList->setExclusive(true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
        if (w)
            activeWindowChanged(w);
    });

    connect(command(QStringLiteral("Actn_FileNew")), &QAction::triggered, this, [this] {
        const QString path = prompter().saveFileName(
            databaseRequest(QStringLiteral("保存新数据库为"), m_appDir + QStringLiteral("/Data"), lastSaveName));
        if (path.isEmpty())
            return;
        lastSaveName = path;
        bool created = false;
        guarded([&] { created = Frm_DataModule().CreateReportDatabase(path); });
        if (created)
            OpenDatabaseWindow(path);
    });
    connect(command(QStringLiteral("Actn_FileOpen")), &QAction::triggered, this, [this] {
        const QString path = prompter().openFileName(
            databaseRequest(QStringLiteral("打开房屋安全鉴定数据库"), m_appDir + QStringLiteral("/Data"), lastOpenName));
        if (path.isEmpty())
            return;
        lastOpenName = path;
        OpenDatabaseWindow(path);
    });
    connect(command(QStringLiteral("Actn_FileClose")), &QAction::triggered, this, [this] {
        if (QMdiSubWindow *sub = m_mdi->activeSubWindow())
            sub->close();
        else if (TfrmChildWin *child = activeChild())
            child->parentWidget()->close();
    });
    connect(command(QStringLiteral("Actn_FileSave")), &QAction::triggered, this,
            [this] { saveChild(activeChild()); });
    connect(command(QStringLiteral("Actn_FileSaveAs")), &QAction::triggered, this, [this] {
        TfrmChildWin *child = activeChild();
        if (!child)
            return;
        guarded([&] {
            const QString chosen = prompter().saveFileName(databaseRequest(
                QStringLiteral("另存为"), m_appDir + QStringLiteral("/Backup"), QFileInfo(child->DatabasePath).fileName()));
            if (chosen.isEmpty())
                return;
            const QFileInfo info(chosen);
            const QString target = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".had");
            CopyDatabaseFile(child->DatabasePath, target);
        }, QStringLiteral("保存项目错误!"));
    });
}

void TMainForm::createViewCommands()
{
    // Record commands act on the active report window.
    const auto onChild = [this](const char *name, void (TfrmChildWin::*work)()) {
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this, [this, work] {
            if (TfrmChildWin *child = activeChild())
                (child->*work)();
        });
    };
    onChild("Actn_RecordAppend", &TfrmChildWin::RecordAppend);
    onChild("Actn_RecordInsert", &TfrmChildWin::RecordInsert);
    onChild("Actn_RecordDelete", &TfrmChildWin::RecordDelete);
    const std::pair<const char *, TfrmChildWin::Move> moves[] = {
        {"Actn_RecordFirst", TfrmChildWin::Move::First}, {"Actn_RecordPrior", TfrmChildWin::Move::Prior},
        {"Actn_RecordNext", TfrmChildWin::Move::Next}, {"Actn_RecordLast", TfrmChildWin::Move::Last}};
    for (const auto &[name, move] : moves) {
        const TfrmChildWin::Move m = move;
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this, [this, m] {
            if (TfrmChildWin *child = activeChild())
                child->RecordMove(m);
        });
    }

    connect(command(QStringLiteral("actnBrowser")), &QAction::triggered, this, [this](bool checked) {
        if (TfrmChildWin *child = activeChild())
            child->leftPanel()->setVisible(checked);
    });
    connect(command(QStringLiteral("actnEditBrowser")), &QAction::triggered, this, [this] {
        if (TfrmChildWin *child = activeChild())
            child->leftPages()->setCurrentIndex(0);
        command(QStringLiteral("actnEditBrowser"))->setChecked(true);
        command(QStringLiteral("actnEditFind"))->setChecked(false);
    });
    connect(command(QStringLiteral("actnEditFind")), &QAction::triggered, this, [this] {
        if (TfrmChildWin *child = activeChild())
            child->leftPages()->setCurrentIndex(1);
        command(QStringLiteral("actnEditFind"))->setChecked(true);
        command(QStringLiteral("actnEditBrowser"))->setChecked(false);
    });
    for (int i = 0; i < 3; ++i) {
        connect(command(QStringLiteral("actnView%1").arg(i)), &QAction::triggered, this, [this, i] {
            if (TfrmChildWin *child = activeChild())
                child->showPage(i);
            SyncViewChecks();
        });
    }
}

void TMainForm::AutoOpenDatabase()
{
    const IniFile ini(appState().configPath());
    const QString path = ini.readBool(QStringLiteral("Commond"), QStringLiteral("AutoOpenItem"), true)
                             ? ini.readString(QStringLiteral("Commond"), QStringLiteral("OpenFileName"),
                                              appState().defaultDatabasePath())
                             : appState().defaultDatabasePath();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        OpenDatabaseWindow(path);
}

bool TMainForm::FormCloseQuery()
{
    appState().closeCancelled = false;
    // Every window with unsaved edits is asked, the active one first; Cancel (or a report that
    // cannot be stored) keeps the program and every window open.
    QList<TfrmChildWin *> order = children();
    if (TfrmChildWin *active = activeChild()) {
        order.removeAll(active);
        order.prepend(active);
    }
    for (TfrmChildWin *child : order) {
        if (!child->Modified)
            continue;
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(child->parentWidget()));
        const Prompter::Button answer =
            prompter().question(QStringLiteral("数据已被更改,保存吗?"),
                                Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
        if (answer == Prompter::Cancel || (answer == Prompter::Yes && !saveChild(child))) {
            for (TfrmChildWin *c : order)
                c->setCloseDecided(false);
            appState().closeCancelled = true;
            return false;
        }
        child->setCloseDecided(true);
    }
    // Close the others first, so the active window's database is the one remembered.
    std::reverse(order.begin(), order.end());
    for (TfrmChildWin *child : order) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(child->parentWidget()))
            sub->close();
    }
    return true;
}
