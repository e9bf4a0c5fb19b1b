#pragma once

// The page sequence shared by the page files, the preview and printing.
struct PageSequence
{
    int PageCount = 0;   // page files of the current report; 2 after WritePageFiles
    int CurrentPage = 1; // page shown or printed, 1-based
};
PageSequence &pageSequence();

// The preview page's size in screen pixels at 100 %, set by the preview; a preview page is
// cleared over this area.
struct PreviewPageSize
{
    int PreviewPageWidthPx = 0;
    int PreviewPageHeightPx = 0;
};
PreviewPageSize &previewPageSize();
