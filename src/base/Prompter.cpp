#include "Prompter.h"

#include "AppState.h"

namespace {
Prompter *g_prompter = nullptr;

QString captionOr(const QString &caption)
{
    return caption.isEmpty() ? AppTitle() : caption;
}
} // namespace

Prompter &prompter()
{
    Q_ASSERT(g_prompter);
    return *g_prompter;
}

Prompter *setPrompter(Prompter *p)
{
    Prompter *old = g_prompter;
    g_prompter = p;
    return old;
}

void Prompter::error(const QString &text, const QString &caption)
{
    message(captionOr(caption), text, Icon::Error, Ok, Ok);
}

void Prompter::warning(const QString &text, const QString &caption)
{
    message(captionOr(caption), text, Icon::Warning, Ok, Ok);
}

void Prompter::information(const QString &text, const QString &caption)
{
    message(captionOr(caption), text, Icon::Information, Ok, Ok);
}

void Prompter::plain(const QString &text, const QString &caption)
{
    message(captionOr(caption), text, Icon::None, Ok, Ok);
}

Prompter::Button Prompter::question(const QString &text, int buttons, Button defaultButton,
                                    Icon icon, const QString &caption)
{
    return message(captionOr(caption), text, icon, buttons, defaultButton);
}
