#include "AppState.h"
#include "Fonts.h"
#include "MainForm.h"
#include "QtPrompter.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's own title, without the version.
    QApplication::setApplicationName(AppTitle());
    installFontSubstitutions();
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);

    QtPrompter prompter;
    setPrompter(&prompter);

    TMainForm mainForm(QCoreApplication::applicationDirPath());
    mainForm.show();
    const int rc = app.exec();
    setPrompter(nullptr);
    return rc;
}
