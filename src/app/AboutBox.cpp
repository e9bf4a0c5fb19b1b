#include "AboutBox.h"

#include "AppState.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *mainWindow) : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setFrameShadow(QFrame::Sunken);
    auto *inner = new QVBoxLayout(m_panel);
    auto *icon = new QLabel(m_panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    auto *product = new QLabel(AppTitle() + AppVersion() + QStringLiteral("  "), m_panel);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont f = product->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    product->setFont(f);
    auto *version = new QLabel(QString(), m_panel);
    version->setObjectName(QStringLiteral("Version"));
    inner->addWidget(icon, 0, Qt::AlignHCenter);
    inner->addWidget(product, 0, Qt::AlignHCenter);
    inner->addWidget(version);
    outer->addWidget(m_panel);

    const auto link = [&](const char *name, const char *text, const char *commandName) {
        auto *label = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:blue\">%1</a>").arg(QString::fromUtf8(text)), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &QLabel::linkActivated, this, [mainWindow, commandName] {
            if (auto *a = mainWindow->findChild<QAction *>(QString::fromLatin1(commandName)))
                a->trigger();
        });
        outer->addWidget(label, 0, Qt::AlignHCenter);
    };
    link("LinkEmail", "有意见或建议请给我们写信", "HelpEmail");
    link("LinkProducts", "产品列表", "actnHelpProductsList");
    setFixedSize(sizeHint().expandedTo(QSize(360, 220)));
}

void AboutBox::mousePressEvent(QMouseEvent *event)
{
    if (!m_panel->geometry().contains(event->position().toPoint()))
        accept();
    QDialog::mousePressEvent(event);
}
