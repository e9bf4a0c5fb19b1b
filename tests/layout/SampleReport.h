#pragma once

#include "ReportEntries.h"

// A filled-in report as an appraiser would enter it, and a report window that serves it.
ReportEntries sampleReportEntries();

class FixedReportSource : public ReportEntrySource
{
public:
    explicit FixedReportSource(ReportEntries entries) : m_entries(std::move(entries)) {}
    ReportEntries reportEntries() const override { return m_entries; }
    ReportEntries &entries() { return m_entries; }

private:
    ReportEntries m_entries;
};
