#include "framework/comctrls/CommonControlClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/comctrls/TrackBar.h"

void RegisterCommonControlClasses()
{
    RegisterClasses({&TStatusBar::StaticClass(), &TToolBar::StaticClass(),
                     &TToolButton::StaticClass(), &TProgressBar::StaticClass(),
                     &TTrackBar::StaticClass(), &TTabControl::StaticClass(),
                     &TPageControl::StaticClass(), &TTabSheet::StaticClass()});
}
