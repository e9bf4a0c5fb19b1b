#pragma once

#include "Prompter.h"

// The prompter of the running program: Qt message boxes and file dialogs, owned by the active
// window.
class QtPrompter : public Prompter
{
public:
    Button message(const QString &caption, const QString &text, Icon icon, int buttons,
                   Button defaultButton) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    void beep() override;
};
