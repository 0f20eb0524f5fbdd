#pragma once

// Everything the skinned controls paint and place themselves with: styles
// and theme items, the file-theme interface, style choice, and the drawing,
// text and window helpers.

#include "skin/ControlBorder.h"
#include "skin/DoTrans.h"
#include "skin/Gradients.h"
#include "skin/RoundPicture.h"
#include "skin/SUI2Define.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUIThemes.h"
#include "skin/SkinText.h"
#include "skin/SkinWindows.h"
#include "skin/SpitDraw.h"
#include "skin/Suiresdef.h"
#include "skin/TileDraw.h"
