#include "MainForm.h"

#include "AboutBox.h"
#include "AppState.h"
#include "Guard.h"
#include "IniFile.h"
#include "Prompter.h"
#include "StartUp.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

namespace {

const char *const SupportAddress = "support@lumarel.cn";

// The text field a text-editing command acts on, if any.
QLineEdit *lineEditOf(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e;
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->lineEdit();
    if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
        return s->findChild<QLineEdit *>();
    return nullptr;
}

} // namespace

TMainForm::TMainForm(const QString &appDir, QWidget *parent)
    : QMainWindow(parent), m_appDir(appDir)
{
    setObjectName(QStringLiteral("MainForm"));
    resize(830, 617);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    InitMainWindow();
    // Every change of the active window re-evaluates the commands.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { UpdateCommandStates(); });
    connect(qApp, &QApplication::focusWindowChanged, this, [this] { UpdateCommandStates(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { updateEditCommands(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateEditCommands(); });
    new AboutBox(this); // hidden until "关于"
}

TMainForm::~TMainForm()
{
    setActiveReportLookup(nullptr);
    // No focus or clipboard news reaches a window being torn down.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    // The report windows go first, while the commands they untick still exist.
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        sub->disconnect(this);
    m_mdi->disconnect(this);
    delete m_mdi;
    m_mdi = nullptr;
}

void TMainForm::InitMainWindow()
{
    appState().appDir = m_appDir;
    startup::ReadOptions();
    setWindowTitle(AppTitle() + AppVersion());
    createCommands();
    createMenus();
    createToolBar();
    createLinkLabels();
    createFileCommands();
    createViewCommands();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    startup::EnsureWorkingDirectories(m_appDir);
    UpdateCommandStates();
    updateEditCommands();
}

QAction *TMainForm::addCommand(const QString &name, const QString &caption, const QString &hint,
                               const QKeySequence &shortcut)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setToolTip(hint);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::ApplicationShortcut);
    }
    addAction(a); // shortcuts work also for commands not shown in a menu
    m_commands.insert(name, a);
    return a;
}

const QStringList &TMainForm::childCommandNames()
{
    static const QStringList names = {
        QStringLiteral("Actn_FileClose"),           QStringLiteral("Actn_FileSave"),
        QStringLiteral("Actn_FileSaveAs"),          QStringLiteral("Actn_FileSaveAsTemplate"),
        QStringLiteral("Actn_FilePageSetup"),       QStringLiteral("Actn_FilePreview"),
        QStringLiteral("Actn_FilePrint"),           QStringLiteral("actnBrowser"),
        QStringLiteral("actnEditInsertCharacter"),  QStringLiteral("actnEditBrowser"),
        QStringLiteral("actnEditFind"),             QStringLiteral("actnView0"),
        QStringLiteral("actnView1"),                QStringLiteral("actnView2"),
        QStringLiteral("Actn_RecordAppend"),        QStringLiteral("Actn_RecordInsert"),
        QStringLiteral("Actn_RecordDelete"),        QStringLiteral("Actn_RecordSaveAsTemplate"),
        QStringLiteral("Actn_RecordInstead"),       QStringLiteral("Actn_RecordFirst"),
        QStringLiteral("Actn_RecordPrior"),         QStringLiteral("Actn_RecordNext"),
        QStringLiteral("Actn_RecordLast"),          QStringLiteral("actnRecordCalcu"),
        QStringLiteral("Actn_WindowCascade"),       QStringLiteral("Actn_WindowTileHorizontal"),
        QStringLiteral("Actn_WindowTileVertical"),  QStringLiteral("Actn_WindowMinimizeAll"),
        QStringLiteral("Actn_WindowArrangeAll")};
    return names;
}

void TMainForm::createCommands()
{
    const auto S = [](const char *s) { return QString::fromUtf8(s); };
    const auto K = [](const char *s) { return QKeySequence(QString::fromLatin1(s)); };
    // File
    addCommand(S("Actn_FileNew"), S("新建(&N)"), S("新建"), K("Ctrl+N"));
    addCommand(S("Actn_FileOpen"), S("打开(&O)"), S("打开"), K("Ctrl+O"));
    addCommand(S("Actn_FileClose"), S("关闭(&C)"), S("关闭"));
    addCommand(S("Actn_FileSave"), S("保存(&S)"), S("保存"), K("Ctrl+S"));
    addCommand(S("Actn_FileSaveAs"), S("另存为(&A)"), S("另存为"));
    addCommand(S("Actn_FileSaveAsTemplate"), S("保存为模板(&T)"), S("保存为模板"));
    addCommand(S("Actn_FilePageSetup"), S("页面设置(&E)"), S("页面设置"), K("Ctrl+G"));
    addCommand(S("Actn_FilePreview"), S("打印预览(&W)"), S("打印预览"), K("Ctrl+W"));
    addCommand(S("Actn_FilePrint"), S("打印(&P)"), S("打印"), K("Ctrl+P"));
    addCommand(S("Actn_FileExit"), S("退出(&X)"), S("关闭当前程序"), K("Alt+X"));
    // Edit
    addCommand(S("EditUndo1"), S("撤消(&Z)"), S("撤消"), K("Alt+Backspace"));
    addCommand(S("EditCut1"), S("剪切(&X)"), S("剪切"), K("Ctrl+X"));
    addCommand(S("EditCopy1"), S("复制(&C)"), S("复制"), K("Ctrl+C"));
    addCommand(S("EditPaste1"), S("粘贴(&P)"), S("粘贴"), K("Ctrl+V"));
    addCommand(S("EditSelectAll1"), S("选择全部(&A)"), S("选择全部"));
    addCommand(S("actnEditInsertCharacter"), S("插入字符(&I)"), S("插入字符"));
    addCommand(S("actnEditBrowser"), S("浏览(&B)"), S("浏览"));
    addCommand(S("actnEditFind"), S("查询(&F)"), S("查询"), K("F3"));
    // View
    addCommand(S("Actn_ViewTools"), S("工具栏(&T)"), S("工具栏"));
    addCommand(S("Actn_ViewStatus"), S("状态栏(&T)"), S("状态栏"));
    addCommand(S("actnBrowser"), S("导航器(&B)"), S("导航器"));
    addCommand(S("actnView0"), S("登记"), S("登记"));
    addCommand(S("actnView1"), S("鉴定和计算"), S("鉴定和计算"));
    addCommand(S("actnView2"), S("鉴定报告"), S("鉴定报告"));
    // Reports
    addCommand(S("Actn_RecordAppend"), S("增加(&E)"), S("增加"), K("Ctrl+E"));
    addCommand(S("Actn_RecordInsert"), S("插入(&I)"), S("插入"), K("Ctrl+I"));
    addCommand(S("Actn_RecordDelete"), S("删除(&D)"), S("删除"), K("Ctrl+D"));
    addCommand(S("Actn_RecordSaveAsTemplate"), S("当前鉴定报告保存为模板(&A)"), S("当前鉴定报告保存为模板"));
    addCommand(S("Actn_RecordInstead"), S("模板替换当前鉴定报告(&T)"), S("模板替换当前鉴定报告"));
    addCommand(S("Actn_RecordFirst"), S("第一份(&F)"), S("第一份"), K("Ctrl+F"));
    addCommand(S("Actn_RecordPrior"), S("上一份(&P)"), S("上一份"), K("Ctrl+R"));
    addCommand(S("Actn_RecordNext"), S("下一份(&P)"), S("下一份"), K("Ctrl+T"));
    addCommand(S("Actn_RecordLast"), S("最后一份(&L)"), S("最后一份"), K("Ctrl+L"));
    addCommand(S("actnRecordCalcu"), S("计算等级(&C)"), S("计算等级"));
    // Options
    addCommand(S("Actn_OptionConfig"), S("设置(&C)"), S("设置"), K("Ctrl+Y"));
    addCommand(S("actnOptionCalcu"), S("计算器(&L)"), S("计算器"));
    // Window
    addCommand(S("Actn_WindowCascade"), S("层叠"), S("层叠"));
    addCommand(S("Actn_WindowTileHorizontal"), S("水平排列"), S("水平排列"));
    addCommand(S("Actn_WindowTileVertical"), S("竖直排列"), S("竖直排列"));
    addCommand(S("Actn_WindowMinimizeAll"), S("最小化"), S("最小化"));
    addCommand(S("Actn_WindowArrangeAll"), S("重排所有"), S("重排所有"));
    addCommand(S("actnArrangeChildWin"), S("重排窗口"), S("重排窗口"));
    addCommand(S("actnActiveChildWin"), S("actnActiveChildWin"), QString());
    // Help
    addCommand(S("actnHelpManual"), S("帮助(&H)"), S("帮助"));
    addCommand(S("HelpEmail"), S("有意见或建议请给我们写信(&M)"), S("有意见或建议请给我们写信"));
    addCommand(S("actnHelpProductsList"), S("产品列表"), S("产品列表"));
    addCommand(S("HelpAbout1"), S("关于(&A)"), S("显示软件信息"), K("Ctrl+H"));

    // Ticks
    for (const char *name : {"Actn_ViewTools", "Actn_ViewStatus", "actnBrowser", "actnEditBrowser",
                             "actnEditFind", "actnView0", "actnView1", "actnView2"})
        command(S(name))->setCheckable(true);
    for (const char *name : {"Actn_ViewTools", "Actn_ViewStatus", "actnBrowser", "actnEditBrowser"})
        command(S(name))->setChecked(true);

    // Text editing on the focused field.
    const auto onFocusedText = [this](const char *name, auto line, auto plain, auto rich) {
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this, [=] {
            QWidget *w = QApplication::focusWidget();
            if (auto *e = lineEditOf(w))
                (e->*line)();
            else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
                (p->*plain)();
            else if (auto *t = qobject_cast<QTextEdit *>(w))
                (t->*rich)();
        });
    };
    onFocusedText("EditUndo1", &QLineEdit::undo, &QPlainTextEdit::undo, &QTextEdit::undo);
    onFocusedText("EditCut1", &QLineEdit::cut, &QPlainTextEdit::cut, &QTextEdit::cut);
    onFocusedText("EditCopy1", &QLineEdit::copy, &QPlainTextEdit::copy, &QTextEdit::copy);
    onFocusedText("EditPaste1", &QLineEdit::paste, &QPlainTextEdit::paste, &QTextEdit::paste);
    onFocusedText("EditSelectAll1", &QLineEdit::selectAll, &QPlainTextEdit::selectAll, &QTextEdit::selectAll);

    // View
    connect(command(S("Actn_ViewTools")), &QAction::triggered, this, [this] {
        m_toolBar->setVisible(!m_toolBar->isVisible());
        command(QStringLiteral("Actn_ViewTools"))->setChecked(m_toolBar->isVisible());
    });
    connect(command(S("Actn_ViewStatus")), &QAction::triggered, this, [this] {
        statusBar()->setVisible(!statusBar()->isVisible());
        command(QStringLiteral("Actn_ViewStatus"))->setChecked(statusBar()->isVisible());
    });

    // Window arrangement
    connect(command(S("Actn_WindowCascade")), &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(command(S("Actn_WindowTileHorizontal")), &QAction::triggered, this, [this] {
        m_tileVertical = false;
        m_mdi->tileSubWindows();
    });
    connect(command(S("Actn_WindowTileVertical")), &QAction::triggered, this, [this] {
        m_tileVertical = true;
        // Side by side: each window the full height, an equal share of the width.
        const auto windows = m_mdi->subWindowList();
        const auto shown = [&] {
            QList<QMdiSubWindow *> out;
            for (QMdiSubWindow *w : windows)
                if (!w->isMinimized()) out << w;
            return out;
        }();
        if (shown.isEmpty()) return;
        const QRect area = m_mdi->viewport()->rect();
        const int width = area.width() / shown.size();
        for (int i = 0; i < shown.size(); ++i) {
            shown[i]->showNormal();
            shown[i]->setGeometry(i * width, 0, width, area.height());
        }
    });
    connect(command(S("Actn_WindowMinimizeAll")), &QAction::triggered, this, [this] {
        // Lines the minimised windows up along the bottom of the workspace.
        int x = 0;
        const int bottom = m_mdi->viewport()->height();
        for (QMdiSubWindow *w : m_mdi->subWindowList()) {
            if (!w->isMinimized()) continue;
            w->move(x, bottom - w->height());
            x += w->width();
        }
    });
    connect(command(S("Actn_WindowArrangeAll")), &QAction::triggered, this, [this] {
        command(m_tileVertical ? QStringLiteral("Actn_WindowTileVertical")
                               : QStringLiteral("Actn_WindowTileHorizontal"))->trigger();
    });

    // Help and options
    connect(command(S("actnHelpManual")), &QAction::triggered, this, [this] {
        openBesideProgram(QStringLiteral("KVXHelp.htm"), QStringLiteral("帮助文件 "),
                          QStringLiteral("打开帮助文件错误!"));
    });
    connect(command(S("actnHelpProductsList")), &QAction::triggered, this, [this] {
        openBesideProgram(QStringLiteral("ProdList.htm"), QStringLiteral("文件 "),
                          QStringLiteral("打开浏览器错误!"));
    });
    connect(command(S("HelpEmail")), &QAction::triggered, this, [] {
        guarded([] {
            if (!QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QLatin1String(SupportAddress))))
                throw std::runtime_error("mailto");
        }, QStringLiteral("启动电子邮件系统错误!"));
    });
    connect(command(S("actnOptionCalcu")), &QAction::triggered, this, [] {
        static const char *const calculators[] = {"gnome-calculator", "kcalc", "galculator",
                                                  "mate-calc", "qalculate-gtk", "xcalc"};
        QString program;
        for (const char *c : calculators) {
            program = QStandardPaths::findExecutable(QString::fromLatin1(c));
            if (!program.isEmpty()) break;
        }
        if (program.isEmpty()) {
            prompter().warning(QStringLiteral("计算器程序文件 ") + QStringLiteral("/usr/bin/gnome-calculator") +
                               QStringLiteral(" 不存在!"));
            return;
        }
        if (!QProcess::startDetached(program, {}))
            prompter().error(QStringLiteral("不能启动计算器 %1。").arg(program));
    });
    connect(command(S("HelpAbout1")), &QAction::triggered, this, [this] {
        if (auto *about = findChild<AboutBox *>())
            about->exec();
    });
    connect(command(S("Actn_FileExit")), &QAction::triggered, this, &QWidget::close);
    connect(command(S("actnRecordCalcu")), &QAction::triggered, this, [this] {
        if (TfrmChildWin *child = activeChild())
            child->computeDangerGrade();
    });
    // The report pages read the active window's entries.
    setActiveReportLookup([this]() -> const ReportEntrySource * { return activeChild(); });
}

void TMainForm::openBesideProgram(const QString &fileName, const QString &missingPrefix,
                                  const QString &guardMessage)
{
    const QString path = m_appDir + QLatin1Char('/') + fileName;
    guarded([&] {
        if (!QFileInfo::exists(path)) {
            prompter().error(missingPrefix + path + QStringLiteral(" 不存在!"));
            return;
        }
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            throw std::runtime_error("open");
    }, guardMessage);
}

void TMainForm::createMenus()
{
    QMenuBar *bar = menuBar();
    const auto menu = [&](const char *objectName, const char *caption, const char *hint,
                          std::initializer_list<const char *> entries) {
        QMenu *m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(objectName));
        m->menuAction()->setStatusTip(QString::fromUtf8(hint));
        for (const char *e : entries) {
            if (e == nullptr)
                m->addSeparator();
            else
                m->addAction(command(QString::fromLatin1(e)));
        }
        return m;
    };
    menu("File1", "文件(&F)", "文件",
         {"Actn_FileNew", "Actn_FileOpen", "Actn_FileClose", "Actn_FileSave", "Actn_FileSaveAs", nullptr,
          "Actn_FilePageSetup", "Actn_FilePreview", "Actn_FilePrint", nullptr, "Actn_FileExit"});
    menu("Edit1", "编辑(&E)", "编辑",
         {"EditUndo1", nullptr, "EditCut1", "EditCopy1", "EditPaste1", nullptr, "EditSelectAll1", nullptr,
          "actnEditInsertCharacter", nullptr, "actnEditBrowser", "actnEditFind"});
    menu("View1", "视图(&V)", "视图",
         {"Actn_ViewTools", "Actn_ViewStatus", nullptr, "actnBrowser", nullptr, "actnView0", "actnView1",
          "actnView2"});
    menu("Record1", "鉴定报告(&R)", "鉴定报告",
         {"Actn_RecordAppend", "Actn_RecordDelete", nullptr, "Actn_RecordSaveAsTemplate",
          "Actn_RecordInstead", nullptr, "Actn_RecordFirst", "Actn_RecordPrior", "Actn_RecordNext",
          "Actn_RecordLast", nullptr, "actnRecordCalcu"});
    menu("Option1", "选项(&O)", "选项", {"Actn_OptionConfig", nullptr, "actnOptionCalcu"});
    m_windowMenu = menu("Window1", "窗口(&W)", "窗口", {"actnArrangeChildWin", nullptr});
    menu("Help1", "帮助(&H)", "帮助",
         {"actnHelpManual", nullptr, "HelpEmail", nullptr, "actnHelpProductsList", nullptr, "HelpAbout1"});

}

void TMainForm::createLinkLabels()
{
    // At the right end of the tool bar: the menu bar's corner belongs to a maximised report
    // window's buttons.
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    auto *links = new QWidget(m_toolBar);
    auto *layout = new QHBoxLayout(links);
    layout->setContentsMargins(4, 0, 8, 0);
    layout->setSpacing(16);
    const auto link = [&](const char *name, const char *text, const char *commandName) {
        auto *label = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#00c000\">%1</a>")
                                     .arg(QString::fromUtf8(text)), links);
        label->setObjectName(QString::fromLatin1(name));
        label->setCursor(Qt::PointingHandCursor);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(label, &QLabel::linkActivated, this,
                [this, commandName] { command(QString::fromLatin1(commandName))->trigger(); });
        layout->addWidget(label);
    };
    link("LabelProducts", "产品列表", "actnHelpProductsList");
    link("LabelEmail", "有意见或建议请给我们写信", "HelpEmail");
    m_toolBar->addWidget(links);
}

void TMainForm::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const char *const order[] = {"Actn_FileNew", "Actn_FileOpen", "Actn_FileSave", "Actn_FilePrint",
                                 "Actn_FilePreview", "Actn_FilePageSetup", nullptr, "EditUndo1", "EditCut1",
                                 "EditCopy1", "EditPaste1", "actnBrowser", nullptr, "Actn_RecordAppend",
                                 "Actn_RecordDelete", "Actn_RecordFirst", "Actn_RecordPrior",
                                 "Actn_RecordNext", "Actn_RecordLast", "actnRecordCalcu"};
    for (const char *name : order) {
        if (name == nullptr) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *a = command(QString::fromLatin1(name));
        a->setIconText(a->statusTip()); // the button shows the short hint, not the mnemonic
        m_toolBar->addAction(a);
    }
}

void TMainForm::UpdateCommandStates()
{
    const bool haveChild = !m_mdi->subWindowList().isEmpty();
    for (const QString &name : childCommandNames())
        command(name)->setEnabled(haveChild);
}

void TMainForm::updateEditCommands()
{
    QWidget *w = QApplication::focusWidget();
    if (w != m_editTarget) {
        if (m_editTarget)
            disconnect(m_editTarget, nullptr, this, nullptr);
        m_editTarget = w;
        if (auto *e = lineEditOf(w)) {
            connect(e, &QLineEdit::selectionChanged, this, [this] { updateEditCommands(); });
            connect(e, &QLineEdit::textChanged, this, [this] { updateEditCommands(); });
            connect(e, &QObject::destroyed, this, [this] { m_editTarget = nullptr; });
            m_editTarget = e;
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            connect(p, &QPlainTextEdit::copyAvailable, this, [this] { updateEditCommands(); });
            connect(p, &QPlainTextEdit::undoAvailable, this, [this] { updateEditCommands(); });
            connect(p, &QObject::destroyed, this, [this] { m_editTarget = nullptr; });
        }
    }
    bool canUndo = false, hasSelection = false, editable = false, hasText = false;
    if (auto *e = lineEditOf(w)) {
        canUndo = e->isUndoAvailable();
        hasSelection = e->hasSelectedText();
        editable = !e->isReadOnly();
        hasText = !e->text().isEmpty();
    } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
        canUndo = p->document()->isUndoAvailable();
        hasSelection = p->textCursor().hasSelection();
        editable = !p->isReadOnly();
        hasText = !p->document()->isEmpty();
    }
    const bool clipboardHasText = !QApplication::clipboard()->text().isEmpty();
    command(QStringLiteral("EditUndo1"))->setEnabled(canUndo && editable);
    command(QStringLiteral("EditCut1"))->setEnabled(hasSelection && editable);
    command(QStringLiteral("EditCopy1"))->setEnabled(hasSelection);
    command(QStringLiteral("EditPaste1"))->setEnabled(clipboardHasText && editable);
    command(QStringLiteral("EditSelectAll1"))->setEnabled(hasText);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    setUpdatesEnabled(false);
    AutoOpenDatabase();
    // The full work area also where no window manager carries out the maximise request.
    if (screen())
        setGeometry(screen()->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setUpdatesEnabled(true);
    update();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
