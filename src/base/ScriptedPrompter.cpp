#include "ScriptedPrompter.h"

ScriptedPrompter::ScriptedPrompter() : m_previous(setPrompter(this)) {}

ScriptedPrompter::~ScriptedPrompter()
{
    setPrompter(m_previous);
}

Prompter::Button ScriptedPrompter::message(const QString &caption, const QString &text, Icon icon,
                                           int buttons, Button defaultButton)
{
    Call c;
    c.kind = QStringLiteral("message");
    c.caption = caption;
    c.text = text;
    c.icon = icon;
    c.buttons = buttons;
    c.defaultButton = defaultButton;
    calls.append(c);
    if (!answers.isEmpty())
        return answers.dequeue();
    return defaultButton != NoButton ? defaultButton : Ok;
}

QString ScriptedPrompter::fileDialog(const QString &kind, const FileRequest &request)
{
    Call c;
    c.kind = kind;
    c.text = request.title;
    c.file = request;
    calls.append(c);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPrompter::openFileName(const FileRequest &request)
{
    return fileDialog(QStringLiteral("open"), request);
}

QString ScriptedPrompter::saveFileName(const FileRequest &request)
{
    return fileDialog(QStringLiteral("save"), request);
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList out;
    for (const Call &c : calls) {
        if (c.kind == QLatin1String("message"))
            out << c.text;
    }
    return out;
}
