#include "platform/win/sdl/X11Connection.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>

namespace
{
// Replaces the default handler, which ends the process at once; the
// display's exit handler then decides.
int ReportLostDisplay(Display*)
{
    std::fprintf(stderr, "the connection to the X display was lost\n");
    return 0;
}

XIOErrorHandler PreviousHandler = nullptr;
} // namespace

std::unique_ptr<TX11Connection> TX11Connection::Of(SDL_Window* Window)
{
    SDL_SysWMinfo Info;
    SDL_VERSION(&Info.version);
    if (!Window || !SDL_GetWindowWMInfo(Window, &Info) || Info.subsystem != SDL_SYSWM_X11 ||
        !Info.info.x11.display)
        return nullptr;
    return std::unique_ptr<TX11Connection>(new TX11Connection(Info.info.x11.display));
}

TX11Connection::TX11Connection(void* Display)
    : FDisplay(Display), FFd(ConnectionNumber(static_cast<::Display*>(Display)))
{
    PreviousHandler = XSetIOErrorHandler(ReportLostDisplay);
    XSetIOErrorExitHandler(
        static_cast<::Display*>(Display), [](::Display* Lost, void* Self) { OnLost(Lost, Self); },
        this);
}

TX11Connection::~TX11Connection()
{
    XSetIOErrorHandler(PreviousHandler);
}

void TX11Connection::OnLost(void*, void* Self)
{
    static_cast<TX11Connection*>(Self)->FLost = true;
}

bool TX11Connection::EventsQueued()
{
    if (FLost) return false;
    const bool Queued = XEventsQueued(static_cast<Display*>(FDisplay), QueuedAfterFlush) > 0;
    return Queued && !FLost;
}

std::string TX11Connection::Resources() const
{
    if (FLost) return {};
    const char* Text = XResourceManagerString(static_cast<Display*>(FDisplay));
    return Text ? Text : "";
}
