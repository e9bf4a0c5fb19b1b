// Times how long a report window takes to show the first report of a given database.
#include "Dataset.h"
#include "MainForm.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_open <report database>\n");
        return 2;
    }
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    TMainForm form(dir.path());
    QElapsedTimer timer;
    timer.start();
    TfrmChildWin *child = form.OpenDatabaseWindow(QString::fromLocal8Bit(argv[1]));
    const qint64 ms = timer.elapsed();
    std::printf("reports: %d, first report shown after %lld ms, messages: %lld\n",
                child->ReportQuery().recordCount(), ms, qint64(prompter.calls.size()));
    return 0;
}
