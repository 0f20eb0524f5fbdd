#pragma once

#include "framework/Event.h"
#include "framework/Set.h"
#include "platform/gfx/Geometry.h"

#include <string>
#include <vector>

class TObject;

enum TAlign
{
    alNone,
    alTop,
    alBottom,
    alLeft,
    alRight,
    alClient
};
// The names of an enumeration, in value order, as form definitions write
// them; each list is defined once, next to its enumeration.
inline const std::vector<std::string>& ControlAlignNames()
{
    static const std::vector<std::string> Names = {"alNone", "alTop",   "alBottom",
                                                   "alLeft", "alRight", "alClient"};
    return Names;
}

enum TMouseButton
{
    mbLeft,
    mbRight,
    mbMiddle
};

enum TShiftStateFlag
{
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble
};
using TShiftState = TSet<TShiftStateFlag>;

enum TAlignment
{
    taLeftJustify,
    taRightJustify,
    taCenter
};
inline const std::vector<std::string>& AlignmentNames()
{
    static const std::vector<std::string> Names = {"taLeftJustify", "taRightJustify", "taCenter"};
    return Names;
}

// Panels take the first two; forms all of them.
enum TBorderStyle
{
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin
};
inline const std::vector<std::string>& BorderStyleNames()
{
    static const std::vector<std::string> Names = {"bsNone",   "bsSingle",     "bsSizeable",
                                                   "bsDialog", "bsToolWindow", "bsSizeToolWin"};
    return Names;
}
// The first two, which a control's own border takes.
inline std::vector<std::string> ControlBorderStyleNames()
{
    return {BorderStyleNames().begin(), BorderStyleNames().begin() + 2};
}

// Standard pointer shapes, with their classic numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crHandPoint = -21;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Edges of the parent a control keeps its distance to when the parent's
// client area changes size.
enum TAnchorKind
{
    akLeft,
    akTop,
    akRight,
    akBottom
};
using TAnchors = TSet<TAnchorKind>;

// Reading order of a control; the right-to-left modes take effect only
// under a right-to-left locale (SysLocale().MiddleEast).
enum TBiDiMode
{
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
inline const std::vector<std::string>& BiDiModeNames()
{
    static const std::vector<std::string> Names = {
        "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
    return Names;
}

// Where a button's picture sits relative to its caption.
enum TButtonLayout
{
    blGlyphLeft,
    blGlyphRight,
    blGlyphTop,
    blGlyphBottom
};

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, unsigned short&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
// MousePos in client coordinates, (-1, -1) when the keyboard asked; setting
// Handled keeps the control's popup menu closed.
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;
// NewWidth, NewHeight (may be changed), Resize (false refuses the new size).
using TCanResizeEvent = TEvent<TObject*, int&, int&, bool&>;
// MinWidth, MinHeight, MaxWidth, MaxHeight for this resize (0: no limit).
using TConstrainedResizeEvent = TEvent<TObject*, int&, int&, int&, int&>;

// The modifier keys down now, from the window system's key state.
TShiftState KeyboardShiftState();
// Modifier keys and buttons from a mouse message's WParam.
TShiftState MouseShiftState(unsigned long long KeyFlags);
// The window system's cursor name for a shape (LoadCursor); null for
// crDefault and unknown shapes.
const char* CursorName(TCursor Cursor);
// Whether Key is the accelerator of Caption ("&Open" has 'O'), without case.
bool IsAccel(unsigned Key, const std::string& Caption);
