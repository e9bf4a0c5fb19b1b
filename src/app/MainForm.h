#pragma once

#include "ChildWin.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QWidget;

// The multiple-document frame: menus, tool bar, status bar and every command of the program.
class TMainForm : public QMainWindow, public ChildHost
{
    Q_OBJECT

public:
    // appDir: the program folder; config.ini and the working folders live there.
    explicit TMainForm(const QString &appDir, QWidget *parent = nullptr);
    ~TMainForm() override;

    QAction *command(const QString &name) const override { return m_commands.value(name); }
    bool saveChild(TfrmChildWin *child) override;
    void SyncViewChecks() override;
    void SyncBrowseFindChecks() override;

    // Opens path in a new report window.
    TfrmChildWin *OpenDatabaseWindow(const QString &path);
    TfrmChildWin *activeChild() const;
    QList<TfrmChildWin *> children() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *toolBar() const { return m_toolBar; }

    // The 29 commands that work on a report window are enabled exactly while one exists.
    void UpdateCommandStates();
    static const QStringList &childCommandNames();

    // Tiling direction used by "重排所有".
    bool tileVertical() const { return m_tileVertical; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void InitMainWindow();
    void createCommands();
    void createMenus();
    void createToolBar();
    void createLinkLabels();
    void FormShow();
    void AutoOpenDatabase();
    bool FormCloseQuery();
    void updateEditCommands();
    void createFileCommands();
    void createViewCommands();
    void activeWindowChanged(QMdiSubWindow *window);
    QString lastOpenName;
    QString lastSaveName;
    void openBesideProgram(const QString &fileName, const QString &missingPrefix,
                           const QString &guardMessage);
    QAction *addCommand(const QString &name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut = {});

    QString m_appDir;
    QMdiArea *m_mdi = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_windowMenu = nullptr;
    QHash<QString, QAction *> m_commands;
    bool m_firstShow = true;
    bool m_tileVertical = false;
    QWidget *m_editTarget = nullptr;
    QActionGroup *m_windowList = nullptr;
    QPointer<TfrmChildWin> m_activeChild;
};
