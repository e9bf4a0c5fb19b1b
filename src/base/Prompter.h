#pragma once

#include <QString>
#include <QStringList>

// Every message box, question and file dialog goes through a Prompter, so that tests can answer
// them without a modal dialog. The program installs the Qt implementation at start-up.
class Prompter
{
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum Button { NoButton = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8 };

    struct FileRequest
    {
        QString title;
        QString directory;     // initial folder
        QString fileName;      // proposed name (may be empty)
        QString filter;        // Qt filter text, entries separated by ";;"
        QString defaultSuffix; // without the dot
        bool confirmOverwrite = true;
    };

    virtual ~Prompter() = default;

    // Shows a message box; returns the button chosen (Cancel/No/Ok on close, as the box allows).
    virtual Button message(const QString &caption, const QString &text, Icon icon, int buttons,
                           Button defaultButton) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
    // Short audible warning before some messages.
    virtual void beep() {}

    // Conveniences; the caption is AppTitle unless given.
    void error(const QString &text, const QString &caption = QString());
    void warning(const QString &text, const QString &caption = QString());
    void information(const QString &text, const QString &caption = QString());
    void plain(const QString &text, const QString &caption = QString());
    Button question(const QString &text, int buttons, Button defaultButton,
                    Icon icon = Icon::Question, const QString &caption = QString());
};

// The process-wide prompter; never null once the program or a test has installed one.
Prompter &prompter();
// Installs p (not owned) and returns the previous one.
Prompter *setPrompter(Prompter *p);
