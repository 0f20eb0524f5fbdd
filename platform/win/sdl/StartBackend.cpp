#include "platform/win/sdl/StartBackend.h"

#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/SdlBackend.h"

#include <SDL.h>

std::unique_ptr<TBackend> StartBackend(bool Headless, std::string& Error, int Scale)
{
    if (Headless) return std::make_unique<THeadlessDesktop>();
    auto Sdl = std::make_unique<TSdlBackend>(Scale);
    if (!Sdl->Succeeded())
    {
        Error = std::string("real windows cannot start: ") + SDL_GetError();
        return nullptr;
    }
    return Sdl;
}
