#include "QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::StandardButton toQt(Prompter::Button b)
{
    switch (b) {
    case Prompter::Ok:
        return QMessageBox::Ok;
    case Prompter::Cancel:
        return QMessageBox::Cancel;
    case Prompter::Yes:
        return QMessageBox::Yes;
    case Prompter::No:
        return QMessageBox::No;
    case Prompter::NoButton:
        break;
    }
    return QMessageBox::NoButton;
}

QString runFileDialog(const Prompter::FileRequest &r, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), r.title, r.directory, r.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!r.fileName.isEmpty())
        dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

Prompter::Button QtPrompter::message(const QString &caption, const QString &text, Icon icon,
                                     int buttons, Button defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    const struct
    {
        Button button;
        const char *caption;
    } order[] = {{Yes, "是(&Y)"}, {No, "否(&N)"}, {Ok, "确定"}, {Cancel, "取消"}};
    for (const auto &o : order) {
        if (buttons & o.button) {
            QPushButton *b = box.addButton(toQt(o.button));
            b->setText(QString::fromUtf8(o.caption));
        }
    }
    if (defaultButton != NoButton)
        box.setDefaultButton(toQt(defaultButton));
    if (buttons & Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & No)
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Cancel:
        return Cancel;
    case QMessageBox::Ok:
        return Ok;
    default:
        return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
    }
}

QString QtPrompter::openFileName(const FileRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

QString QtPrompter::saveFileName(const FileRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

void QtPrompter::beep()
{
    QApplication::beep();
}
