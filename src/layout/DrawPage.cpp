#include "DrawPage.h"

int ThinPenWidth(bool IsPreview)
{
    return IsPreview ? 1 : 3;
}

int ThickPenWidth(bool IsPreview)
{
    return IsPreview ? 3 : 9;
}
