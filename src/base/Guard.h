#pragma once

#include "Prompter.h"

#include <QString>

#include <functional>

// Runs one piece of user work. A failure (AppError or any std::exception) is shown in a message
// box with AppTitle as caption: the fixed message when one is given, otherwise the failure's own
// text. Returns false when the work failed. No exception leaves a guard.
bool guarded(const std::function<void()> &work, const QString &message = QString(),
             Prompter::Icon icon = Prompter::Icon::Error);

// The failure's own text, for callers that report it themselves.
QString failureText(const std::exception &e);
