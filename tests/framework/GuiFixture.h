#pragma once

#include "framework/controls/Application.h"
#include "framework/controls/Control.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <gtest/gtest.h>

// A headless desktop and the application object, as a program has them.
class GuiTest : public ::testing::Test
{
  protected:
    GuiTest() { FApp.Initialize(); }

    // Screen point of a client point of Control.
    POINT At(const TControl* Control, int X, int Y) const
    {
        TPoint P = Control->ClientToScreen({X, Y});
        return {P.X, P.Y};
    }
    void ClickOn(const TControl* Control)
    {
        POINT P = At(Control, Control->Width() / 2, Control->Height() / 2);
        FDesktop.Click(P.x, P.y);
    }
    void PressWith(UINT Modifier, UINT Key)
    {
        FDesktop.KeyDown(Modifier);
        FDesktop.Press(Key);
        FDesktop.KeyUp(Modifier);
        FDesktop.Pump();
    }

    THeadlessDesktop FDesktop{800, 600};
    TApplication FApp;
};
