#include "platform/win/LastError.h"

namespace
{
thread_local DWORD LastErrorCode = ERROR_SUCCESS;
}

DWORD GetLastError()
{
    return LastErrorCode;
}
void SetLastError(DWORD Code)
{
    LastErrorCode = Code;
}
