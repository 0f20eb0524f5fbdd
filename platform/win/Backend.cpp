#include "platform/win/Backend.h"

#include <atomic>

namespace
{
std::atomic<TBackend*> Installed{nullptr};
}

TBackend* CurrentBackend()
{
    return Installed.load();
}

void InstallBackend(TBackend* Backend)
{
    Installed = Backend;
}
