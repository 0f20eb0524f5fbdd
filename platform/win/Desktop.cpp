#include "detail/Desktop.h"

TDesktop& TDesktop::Instance()
{
    static TDesktop Desktop;
    return Desktop;
}
