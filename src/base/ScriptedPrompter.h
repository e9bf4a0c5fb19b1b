#pragma once

#include "Prompter.h"

#include <QList>
#include <QQueue>

// Test prompter: records every call and answers from scripted queues. An unscripted question
// gets its default button, an unscripted file dialog is cancelled.
class ScriptedPrompter : public Prompter
{
public:
    struct Call
    {
        QString kind; // "message", "open", "save"
        QString caption;
        QString text; // message text, or the dialog title
        Icon icon = Icon::None;
        int buttons = 0;
        Button defaultButton = NoButton;
        FileRequest file;
    };

    ScriptedPrompter();  // installs itself
    ~ScriptedPrompter() override; // puts the previous prompter back

    Button message(const QString &caption, const QString &text, Icon icon, int buttons,
                   Button defaultButton) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    void beep() override { ++beeps; }

    QQueue<Button> answers;
    QQueue<QString> fileAnswers;
    QList<Call> calls;
    int beeps = 0;

    QStringList messageTexts() const;
    void clear() { calls.clear(); }

private:
    QString fileDialog(const QString &kind, const FileRequest &request);
    Prompter *m_previous;
};
