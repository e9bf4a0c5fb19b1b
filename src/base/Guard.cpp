#include "Guard.h"

#include "AppError.h"
#include "AppState.h"

QString failureText(const std::exception &e)
{
    if (const auto *app = dynamic_cast<const AppError *>(&e))
        return app->message();
    return QString::fromLocal8Bit(e.what());
}

bool guarded(const std::function<void()> &work, const QString &message, Prompter::Icon icon)
{
    QString text;
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        text = message.isEmpty() ? failureText(e) : message;
    } catch (...) {
        text = message.isEmpty() ? QStringLiteral("发生未知错误。") : message;
    }
    prompter().message(AppTitle(), text, icon, Prompter::Ok, Prompter::Ok);
    return false;
}
