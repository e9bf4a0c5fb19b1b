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
    std::printf("reports: %d, first report shown after %lld ms\n", child->ReportQuery().recordCount(), ms);

    // Going to a report from the list and stepping must not depend on the number of reports.
    const int count = child->ReportQuery().recordCount();
    timer.restart();
    for (int i = 0; i < 100; ++i)
        child->GoToReport((i * 7919) % count);
    std::printf("GoToReport: %.2f ms each\n", timer.elapsed() / 100.0);
    timer.restart();
    for (int i = 0; i < 100; ++i)
        child->RecordMove(TfrmChildWin::Move::Next);
    std::printf("Next: %.2f ms each\n", timer.elapsed() / 100.0);
    timer.restart();
    child->FillReportList();
    std::printf("FillReportList: %lld ms, messages: %lld\n", timer.elapsed(), qint64(prompter.calls.size()));
    return 0;
}
