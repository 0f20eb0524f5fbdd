#include "tools/common/Version.h"

const char* ProductVersion()
{
    return NOVLA_VERSION;
}
