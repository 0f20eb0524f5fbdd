#include "platform/win/sdl/SdlKeys.h"
#include "platform/win/Input.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{
TEST(SdlKeysTest, KeysMapToTheirVirtualKeyCodes)
{
    struct TCase
    {
        int Sdl;
        UINT Vk;
    };
    const TCase Cases[] = {
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, VK_F1},
        {SDLK_F10, VK_F10},
        {SDLK_RETURN, VK_RETURN},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_LSHIFT, VK_SHIFT},
        {SDLK_RCTRL, VK_CONTROL},
        {SDLK_LALT, VK_MENU},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_KP_0, VK_NUMPAD0},
        {SDLK_KP_9, VK_NUMPAD0 + 9},
        {SDLK_PERIOD, VK_OEM_PERIOD},
        {SDLK_MINUS, VK_OEM_MINUS},
        {SDLK_UNKNOWN, 0},
        {SDLK_AUDIOPLAY, 0},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(VirtualKeyFromSdl(Case.Sdl), Case.Vk) << SDL_GetKeyName(Case.Sdl);
}
} // namespace
