#include "ReportEntries.h"

#include "AppError.h"

namespace {

ActiveReportLookup &lookup()
{
    static ActiveReportLookup current;
    return current;
}

} // namespace

ActiveReportLookup setActiveReportLookup(ActiveReportLookup l)
{
    ActiveReportLookup previous = std::move(lookup());
    lookup() = std::move(l);
    return previous;
}

ReportEntries activeReportEntries()
{
    const ReportEntrySource *source = lookup() ? lookup()() : nullptr;
    if (!source)
        throw AppError(QStringLiteral("没有打开的鉴定报告窗口。"));
    return source->reportEntries();
}
