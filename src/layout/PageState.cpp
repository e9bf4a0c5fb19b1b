#include "PageState.h"

PageSequence &pageSequence()
{
    static PageSequence sequence;
    return sequence;
}

PreviewPageSize &previewPageSize()
{
    static PreviewPageSize size;
    return size;
}
