#include "framework/stdctrls/Edit.h"

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/EditContextMenu.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cctype>

namespace
{
constexpr int Margin = 1;

bool IsContinuation(char C)
{
    return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}

bool IsWordChar(char C)
{
    return !std::isspace(static_cast<unsigned char>(C));
}

// Pasted or assigned text keeps only its first line, as a single-line edit
// has no place for the rest.
std::string FirstLine(const std::string& S)
{
    return S.substr(0, S.find_first_of("\r\n"));
}
} // namespace

const TClassInfo& TCustomEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomEdit>("TCustomEdit", &TCustomControl::StaticClass()).Build();
    return Info;
}

const TMessageMap& TCustomEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode)
                                       .On(WM_SETTEXT, &TCustomEdit::WMSetText)
                                       .On(WM_GETTEXT, &TCustomEdit::WMGetText)
                                       .On(WM_GETTEXTLENGTH, &TCustomEdit::WMGetTextLength)
                                       .On(WM_SETFOCUS, &TCustomEdit::WMSetFocus)
                                       .On(WM_KILLFOCUS, &TCustomEdit::WMKillFocus)
                                       .On(WM_LBUTTONDOWN, &TCustomEdit::WMLButtonDown)
                                       .On(WM_LBUTTONDBLCLK, &TCustomEdit::WMLButtonDblClk)
                                       .On(WM_MOUSEMOVE, &TCustomEdit::WMMouseMove)
                                       .On(WM_LBUTTONUP, &TCustomEdit::WMLButtonUp)
                                       .On(WM_CONTEXTMENU, &TCustomEdit::WMContextMenu)
                                       .On(WM_SIZE, &TCustomEdit::WMSize)
                                       .On(WM_CUT, &TCustomEdit::WMCut)
                                       .On(WM_COPY, &TCustomEdit::WMCopy)
                                       .On(WM_PASTE, &TCustomEdit::WMPaste)
                                       .On(WM_CLEAR, &TCustomEdit::WMClear)
                                       .On(WM_UNDO, &TCustomEdit::WMUndo)
                                       .On(EM_UNDO, &TCustomEdit::WMUndo)
                                       .On(EM_GETSEL, &TCustomEdit::EMGetSel)
                                       .On(EM_SETSEL, &TCustomEdit::EMSetSel)
                                       .On(EM_GETRECT, &TCustomEdit::EMGetRect)
                                       .On(EM_SETRECT, &TCustomEdit::EMSetRect)
                                       .On(EM_SETRECTNP, &TCustomEdit::EMSetRect)
                                       .On(EM_REPLACESEL, &TCustomEdit::EMReplaceSel)
                                       .On(EM_LIMITTEXT, &TCustomEdit::EMLimitText)
                                       .On(EM_CANUNDO, &TCustomEdit::EMCanUndo)
                                       .On(EM_EMPTYUNDOBUFFER, &TCustomEdit::EMEmptyUndoBuffer)
                                       .On(EM_SETREADONLY, &TCustomEdit::EMSetReadOnly)
                                       .On(EM_GETMODIFY, &TCustomEdit::EMGetModify)
                                       .On(EM_SETMODIFY, &TCustomEdit::EMSetModify)
                                       .On(CM_TEXTCHANGED, &TCustomEdit::CMTextChanged)
                                       .On(CM_FONTCHANGED, &TCustomEdit::CMFontChanged)
                                       .On(CM_ENABLEDCHANGED, &TCustomEdit::CMEnabledChanged);
    return Map;
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    FColor = clWindow;
    FTabStop = true;
    FCursor = crIBeam;
    FWidth = 121;
    FHeight = 21;
}

TCustomEdit::~TCustomEdit()
{
    if (Focused()) DestroyCaret();
}

void TCustomEdit::ShowContextMenu(int ScreenX, int ScreenY)
{
    TLifeGuard Guard(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!Guard.Alive()) return;
    if (ScreenX == -1 && ScreenY == -1)
    {
        TPoint P = ClientToScreen({PosToX(FCaret), TextTop() + FLineHeight});
        ScreenX = P.X;
        ScreenY = P.Y;
    }
    if (PopupMenu() && PopupMenu()->AutoPopup())
    {
        PopupMenu()->SetPopupComponent(this);
        PopupMenu()->Popup(ScreenX, ScreenY);
        return;
    }
    if (!FContextMenu) FContextMenu = std::make_unique<TEditContextMenu>(this);
    FContextMenu->PopupFor(ScreenX, ScreenY);
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= ES_AUTOHSCROLL;
    if (FAlignment == taRightJustify) Params.Style |= ES_RIGHT;
    if (FAlignment == taCenter) Params.Style |= ES_CENTER;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.WindowClass.hCursor = LoadCursor(nullptr, IDC_IBEAM);
}

// Properties -------------------------------------------------------------

void TCustomEdit::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (HandleAllocated())
    {
        LONG Style = GetWindowLong(FHandle, GWL_STYLE) & ~static_cast<LONG>(ES_CENTER | ES_RIGHT);
        if (Value == taRightJustify) Style |= ES_RIGHT;
        if (Value == taCenter) Style |= ES_CENTER;
        SetWindowLong(FHandle, GWL_STYLE, Style);
    }
    FScroll = 0;
    ScrollToCaret();
    Invalidate();
}

TAlignment TCustomEdit::EffectiveAlignment() const
{
    if (!FHandle) return FAlignment;
    LONG Style = GetWindowLong(FHandle, GWL_STYLE);
    if (Style & ES_RIGHT) return taRightJustify;
    if (Style & ES_CENTER) return taCenter;
    return taLeftJustify;
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (Value != bsNone) Value = bsSingle;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateFrame();
}

void TCustomEdit::RecreateFrame()
{
    if (!HandleAllocated()) return;
    LONG Ex = GetWindowLong(FHandle, GWL_EXSTYLE) & ~static_cast<LONG>(WS_EX_CLIENTEDGE);
    if (FBorderStyle == bsSingle) Ex |= WS_EX_CLIENTEDGE;
    SetWindowLong(FHandle, GWL_EXSTYLE, Ex);
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Invalidate();
}

void TCustomEdit::SetMaxLength(int Value)
{
    FMaxLength = std::max(Value, 0);
}

void TCustomEdit::SetReadOnly(bool Value)
{
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (HandleAllocated())
    {
        LONG Style = GetWindowLong(FHandle, GWL_STYLE);
        SetWindowLong(FHandle, GWL_STYLE,
                      Value ? (Style | static_cast<LONG>(ES_READONLY))
                            : (Style & ~static_cast<LONG>(ES_READONLY)));
    }
}

int TCustomEdit::SelStart() const
{
    return std::min(FAnchor, FCaret);
}

int TCustomEdit::SelLength() const
{
    return std::abs(FCaret - FAnchor);
}

std::string TCustomEdit::SelText() const
{
    return FText.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelStart(int Value)
{
    // A negative start drops the selection and leaves the caret in place.
    if (Value < 0) Value = FCaret;
    SetSel(Value, Value);
}

void TCustomEdit::SetSelLength(int Value)
{
    int Start = SelStart();
    SetSel(Start, Start + std::max(Value, 0));
}

void TCustomEdit::SetSelText(const std::string& Value)
{
    ReplaceSelection(Value, false);
}

void TCustomEdit::SelectAll()
{
    SetSel(0, static_cast<int>(FText.size()));
}

void TCustomEdit::ClearSelection()
{
    if (SelLength() > 0) ReplaceSelection("", true);
}

// Selection and caret ----------------------------------------------------

int TCustomEdit::NextPos(int Pos) const
{
    int Size = static_cast<int>(FText.size());
    if (Pos >= Size) return Size;
    ++Pos;
    while (Pos < Size && IsContinuation(FText[static_cast<size_t>(Pos)]))
        ++Pos;
    return Pos;
}

int TCustomEdit::PrevPos(int Pos) const
{
    if (Pos <= 0) return 0;
    --Pos;
    while (Pos > 0 && IsContinuation(FText[static_cast<size_t>(Pos)]))
        --Pos;
    return Pos;
}

int TCustomEdit::WordLeft(int Pos) const
{
    while (Pos > 0 && !IsWordChar(FText[static_cast<size_t>(Pos - 1)]))
        --Pos;
    while (Pos > 0 && IsWordChar(FText[static_cast<size_t>(Pos - 1)]))
        --Pos;
    return Pos;
}

int TCustomEdit::WordRight(int Pos) const
{
    int Size = static_cast<int>(FText.size());
    while (Pos < Size && IsWordChar(FText[static_cast<size_t>(Pos)]))
        ++Pos;
    while (Pos < Size && !IsWordChar(FText[static_cast<size_t>(Pos)]))
        ++Pos;
    return Pos;
}

void TCustomEdit::SetSel(int Start, int End)
{
    int Size = static_cast<int>(FText.size());
    auto Snap = [&](int P)
    {
        P = std::clamp(P, 0, Size);
        while (P > 0 && P < Size && IsContinuation(FText[static_cast<size_t>(P)]))
            --P;
        return P;
    };
    Start = Snap(Start);
    End = Snap(End);
    FTyping = false;
    if (Start == FAnchor && End == FCaret) return;
    FAnchor = Start;
    FCaret = End;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::MoveCaret(int Pos, bool Extend)
{
    SetSel(Extend ? FAnchor : Pos, Pos);
}

// Text changes -----------------------------------------------------------

bool TCustomEdit::ReplaceSelection(const std::string& Value, bool CanUndoIt)
{
    std::string Insert = FirstLine(Value);
    int Start = SelStart();
    int Length = SelLength();
    if (FMaxLength > 0)
    {
        int Room = FMaxLength - (static_cast<int>(FText.size()) - Length);
        if (Room < static_cast<int>(Insert.size()))
        {
            size_t Cut = static_cast<size_t>(std::max(Room, 0));
            while (Cut > 0 && IsContinuation(Insert[Cut])) // keep whole characters
                --Cut;
            Insert.resize(Cut);
            if (Insert.empty() && Length == 0)
            {
                MessageBeep(MB_OK);
                return false;
            }
        }
    }
    if (Insert.empty() && Length == 0) return false;
    if (CanUndoIt && !FTyping)
    {
        FUndoText = FText;
        FUndoAnchor = FAnchor;
        FUndoCaret = FCaret;
        FCanUndo = true;
    }
    FText.replace(static_cast<size_t>(Start), static_cast<size_t>(Length), Insert);
    int Caret = Start + static_cast<int>(Insert.size());
    FAnchor = FCaret = Caret;
    FModified = true;
    TextReplaced();
    return true;
}

void TCustomEdit::TextReplaced()
{
    FLayoutValid = false;
    ScrollToCaret();
    Invalidate();
    Change();
}

void TCustomEdit::Change()
{
    OnChange(this);
}

void TCustomEdit::Undo()
{
    if (!FCanUndo) return;
    // Undoing twice redoes: the undo buffer takes the text it replaced.
    std::string Text = FUndoText;
    int UndoAnchor = FUndoAnchor;
    int UndoCaret = FUndoCaret;
    FUndoText = FText;
    FUndoAnchor = FAnchor;
    FUndoCaret = FCaret;
    FTyping = false;
    FText = Text;
    FAnchor = std::min(UndoAnchor, static_cast<int>(FText.size()));
    FCaret = std::min(UndoCaret, static_cast<int>(FText.size()));
    FModified = true;
    TextReplaced();
}

void TCustomEdit::StartTyping()
{
    FTyping = true;
}

void TCustomEdit::DeleteOrBackspace(bool Forward, bool Word)
{
    if (FReadOnly)
    {
        MessageBeep(MB_OK);
        return;
    }
    if (SelLength() == 0)
    {
        int To = Forward ? (Word ? WordRight(FCaret) : NextPos(FCaret))
                         : (Word ? WordLeft(FCaret) : PrevPos(FCaret));
        if (To == FCaret) return;
        FAnchor = FCaret;
        FCaret = To;
    }
    FTyping = false;
    ReplaceSelection("", true);
}

void TCustomEdit::CutToClipboard()
{
    Perform(WM_CUT);
}

void TCustomEdit::CopyToClipboard()
{
    Perform(WM_COPY);
}

void TCustomEdit::PasteFromClipboard()
{
    Perform(WM_PASTE);
}

void TCustomEdit::PasteText(const std::string& Value)
{
    FTyping = false;
    ReplaceSelection(Value, true);
}

// Layout -----------------------------------------------------------------

void TCustomEdit::Layout() const
{
    if (FLayoutValid && FLaidOutText == FText) return;
    TCanvas Measure;
    Measure.SetFont(Font());
    FLineHeight = Measure.TextHeight("Wg");
    FOffsets.assign(FText.size() + 1, 0);
    for (size_t I = 1; I <= FText.size(); ++I)
    {
        if (I < FText.size() && IsContinuation(FText[I]))
            FOffsets[I] = FOffsets[I - 1];
        else
            FOffsets[I] = Measure.TextWidth(std::string_view(FText).substr(0, I));
    }
    FLaidOutText = FText;
    FLayoutValid = true;
}

bool TCustomEdit::MultiLine() const
{
    return FHandle && (GetWindowLong(FHandle, GWL_STYLE) & ES_MULTILINE);
}

TRect TCustomEdit::TextArea() const
{
    if (FHasFormatRect && MultiLine()) return FFormatRect;
    return {Margin, 0, std::max(Margin, ClientWidth() - Margin), ClientHeight()};
}

int TCustomEdit::TextLeft() const
{
    Layout();
    TRect Area = TextArea();
    int Room = Area.Width();
    int Width = FOffsets.back();
    if (Width < Room)
    {
        switch (EffectiveAlignment())
        {
        case taRightJustify:
            return Area.Left + Room - Width - 1;
        case taCenter:
            return Area.Left + (Room - Width) / 2;
        default:
            return Area.Left;
        }
    }
    return Area.Left - FScroll;
}

int TCustomEdit::TextTop() const
{
    Layout();
    if (MultiLine()) return TextArea().Top;
    return std::max(0, (ClientHeight() - FLineHeight) / 2);
}

int TCustomEdit::PosToX(int Pos) const
{
    Layout();
    Pos = std::clamp(Pos, 0, static_cast<int>(FText.size()));
    return TextLeft() + FOffsets[static_cast<size_t>(Pos)];
}

int TCustomEdit::XToPos(int X) const
{
    Layout();
    int Rel = X - TextLeft();
    int Best = 0;
    for (int P = 0; P <= static_cast<int>(FText.size()); P = NextPos(P))
    {
        if (std::abs(FOffsets[static_cast<size_t>(P)] - Rel) <
            std::abs(FOffsets[static_cast<size_t>(Best)] - Rel))
            Best = P;
        if (P == static_cast<int>(FText.size())) break;
    }
    return Best;
}

void TCustomEdit::ScrollToCaret()
{
    Layout();
    int Room = TextArea().Width() - 1;
    int Width = FOffsets.back();
    if (Width <= Room || Room <= 0)
        FScroll = 0;
    else
    {
        int X = FOffsets[static_cast<size_t>(FCaret)];
        if (X - FScroll < 0) FScroll = X;
        if (X - FScroll > Room) FScroll = X - Room;
        FScroll = std::clamp(FScroll, 0, Width - Room);
    }
    UpdateCaret();
}

void TCustomEdit::UpdateCaret()
{
    if (!Focused()) return;
    SetCaretPos(PosToX(FCaret), TextTop());
}

// Painting ---------------------------------------------------------------

void TCustomEdit::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    // The state first, then the drawing.
    bool Disabled = !FEnabled;
    bool ShowSelection = Focused() && SelLength() > 0;
    TColor TextColor = Disabled ? clGrayText : Font()->Color();
    int X = TextLeft();
    int Y = TextTop();

    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    TRect Line = TextArea().Intersect(R);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(TextColor);
    C->TextRect(Line, X, Y, FText);
    if (!ShowSelection) return;
    int From = SelStart();
    int To = From + SelLength();
    TRect Sel{PosToX(From), Y, PosToX(To), Y + FLineHeight};
    Sel = Sel.Intersect(Line);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clHighlight);
    C->FillRect(Sel);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(clHighlightText);
    C->TextRect(Sel, X, Y, FText);
}

// Messages ---------------------------------------------------------------

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    // The edit's own behaviour runs where an unhandled key would go to the
    // default procedure: after the key events and the form's dialog keys.
    switch (Message.Msg)
    {
    case WM_KEYDOWN:
        KeyDownDefault(Message);
        return;
    case WM_CHAR:
        CharDefault(Message);
        return;
    default:
        TCustomControl::DefaultHandler(Message);
    }
}

void TCustomEdit::KeyDownDefault(TMessage& M)
{
    bool Shift = GetKeyState(VK_SHIFT) < 0;
    bool Ctrl = GetKeyState(VK_CONTROL) < 0;
    int Size = static_cast<int>(FText.size());
    switch (static_cast<UINT>(M.WParam))
    {
    case VK_LEFT:
        if (!Shift && SelLength() > 0 && !Ctrl)
            MoveCaret(SelStart(), false);
        else
            MoveCaret(Ctrl ? WordLeft(FCaret) : PrevPos(FCaret), Shift);
        break;
    case VK_RIGHT:
        if (!Shift && SelLength() > 0 && !Ctrl)
            MoveCaret(SelStart() + SelLength(), false);
        else
            MoveCaret(Ctrl ? WordRight(FCaret) : NextPos(FCaret), Shift);
        break;
    case VK_HOME:
        MoveCaret(0, Shift);
        break;
    case VK_END:
        MoveCaret(Size, Shift);
        break;
    case VK_DELETE:
        if (Shift)
            CutToClipboard();
        else
            DeleteOrBackspace(true, Ctrl);
        break;
    case VK_INSERT:
        if (Ctrl)
            CopyToClipboard();
        else if (Shift)
            PasteFromClipboard();
        break;
    default:
        TCustomControl::DefaultHandler(M);
        break;
    }
}

void TCustomEdit::CharDefault(TMessage& M)
{
    auto Ch = static_cast<unsigned char>(M.WParam);
    switch (Ch)
    {
    case 1:
        SelectAll();
        return;
    case 3:
        CopyToClipboard();
        return;
    case 0x18:
        CutToClipboard();
        return;
    case 0x16:
        PasteFromClipboard();
        return;
    case 0x1A:
        Undo();
        return;
    case '\b':
        DeleteOrBackspace(false, false);
        return;
    case 0x7F:
        DeleteOrBackspace(false, true);
        return;
    default:
        break;
    }
    if (Ch < 0x20) return;
    if (FReadOnly)
    {
        MessageBeep(MB_OK);
        return;
    }
    if (ReplaceSelection(std::string(1, static_cast<char>(Ch)), true)) StartTyping();
}

void TCustomEdit::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomEdit::WMSetText(TMessage& M)
{
    const char* Value = reinterpret_cast<const char*>(M.LParam);
    FText = Value ? Value : "";
    FAnchor = FCaret = 0;
    FScroll = 0;
    FCanUndo = false;
    FTyping = false;
    FModified = false;
    M.Result = TRUE;
    TextReplaced();
}

void TCustomEdit::WMGetText(TMessage& M)
{
    auto* Buffer = reinterpret_cast<char*>(M.LParam);
    int Max = static_cast<int>(M.WParam);
    if (!Buffer || Max <= 0)
    {
        M.Result = 0;
        return;
    }
    int Count = std::min(Max - 1, static_cast<int>(FText.size()));
    std::copy_n(FText.data(), Count, Buffer);
    Buffer[Count] = '\0';
    M.Result = Count;
}

void TCustomEdit::WMGetTextLength(TMessage& M)
{
    M.Result = static_cast<LRESULT>(FText.size());
}

void TCustomEdit::WMSetFocus(TMessage& M)
{
    Layout();
    CreateCaret(FHandle, nullptr, 1, FLineHeight);
    // Entering by keyboard selects everything; a click places the caret.
    if (FAutoSelect && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    UpdateCaret();
    ShowCaret(FHandle);
    Invalidate();
    TCustomControl::WMSetFocus(M);
}

void TCustomEdit::WMKillFocus(TMessage& M)
{
    FSelecting = false;
    DestroyCaret();
    Invalidate();
    TCustomControl::WMKillFocus(M);
}

void TCustomEdit::WMLButtonDown(TMessage& M)
{
    TLifeGuard Guard(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!Guard.Alive()) return;
    int Pos = XToPos(GET_X_LPARAM(M.LParam));
    MoveCaret(Pos, (M.WParam & MK_SHIFT) != 0);
    FSelecting = true;
    TCustomControl::WMLButtonDown(M);
}

void TCustomEdit::WMLButtonDblClk(TMessage& M)
{
    int Pos = XToPos(GET_X_LPARAM(M.LParam));
    int Size = static_cast<int>(FText.size());
    bool Word = Pos < Size ? IsWordChar(FText[static_cast<size_t>(Pos)])
                           : Pos > 0 && IsWordChar(FText[static_cast<size_t>(Pos - 1)]);
    int From = Pos;
    int To = Pos;
    while (From > 0 && IsWordChar(FText[static_cast<size_t>(From - 1)]) == Word)
        --From;
    while (To < Size && IsWordChar(FText[static_cast<size_t>(To)]) == Word)
        ++To;
    SetSel(From, To);
    FSelecting = false;
    TCustomControl::WMLButtonDblClk(M);
}

void TCustomEdit::WMMouseMove(TMessage& M)
{
    if (FSelecting && (M.WParam & MK_LBUTTON)) MoveCaret(XToPos(GET_X_LPARAM(M.LParam)), true);
    TCustomControl::WMMouseMove(M);
}

void TCustomEdit::WMLButtonUp(TMessage& M)
{
    FSelecting = false;
    TCustomControl::WMLButtonUp(M);
}

void TCustomEdit::WMContextMenu(TMessage& M)
{
    M.Result = 1;
    const int X = GET_X_LPARAM(M.LParam);
    const int Y = GET_Y_LPARAM(M.LParam);
    TLifeGuard Guard(this);
    if (DoContextPopup(X == -1 && Y == -1 ? TPoint{-1, -1} : ScreenToClient({X, Y})) ||
        !Guard.Alive())
        return;
    ShowContextMenu(GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam));
}

void TCustomEdit::WMSize(TMessage& M)
{
    FHasFormatRect = false;
    ScrollToCaret();
    TCustomControl::DefaultHandler(M);
}

void TCustomEdit::WMCut(TMessage&)
{
    if (FReadOnly || SelLength() == 0)
    {
        if (FReadOnly) MessageBeep(MB_OK);
        return;
    }
    CopyToClipboard();
    FTyping = false;
    ReplaceSelection("", true);
}

void TCustomEdit::WMCopy(TMessage&)
{
    if (SelLength() == 0) return;
    if (!OpenClipboard(FHandle)) return;
    EmptyClipboard();
    SetClipboardText(SelText());
    CloseClipboard();
}

void TCustomEdit::WMPaste(TMessage&)
{
    if (FReadOnly)
    {
        MessageBeep(MB_OK);
        return;
    }
    if (!IsClipboardFormatAvailable(CF_TEXT)) return;
    PasteText(GetClipboardText());
}

void TCustomEdit::WMClear(TMessage&)
{
    if (FReadOnly) return;
    FTyping = false;
    ClearSelection();
}

void TCustomEdit::WMUndo(TMessage& M)
{
    M.Result = FCanUndo;
    Undo();
}

void TCustomEdit::EMGetSel(TMessage& M)
{
    auto Start = static_cast<DWORD>(SelStart());
    auto End = static_cast<DWORD>(SelStart() + SelLength());
    if (auto* P = reinterpret_cast<DWORD*>(M.WParam)) *P = Start;
    if (auto* P = reinterpret_cast<DWORD*>(M.LParam)) *P = End;
    M.Result = MAKELONG(static_cast<WORD>(Start), static_cast<WORD>(End));
}

void TCustomEdit::EMGetRect(TMessage& M)
{
    auto* R = reinterpret_cast<RECT*>(M.LParam);
    if (!R) return;
    TRect Area = TextArea();
    *R = {Area.Left, Area.Top, Area.Right, Area.Bottom};
}

void TCustomEdit::EMSetRect(TMessage& M)
{
    if (!MultiLine()) return;
    if (const auto* R = reinterpret_cast<const RECT*>(M.LParam))
    {
        FFormatRect = {R->left, R->top, std::max(R->left, R->right), std::max(R->top, R->bottom)};
        FHasFormatRect = true;
    }
    else
        FHasFormatRect = false;
    FScroll = 0;
    ScrollToCaret();
    if (M.Msg == EM_SETRECT) Invalidate();
}

void TCustomEdit::EMSetSel(TMessage& M)
{
    auto Start = static_cast<int>(static_cast<LONG_PTR>(M.WParam));
    auto End = static_cast<int>(M.LParam);
    if (Start < 0)
    {
        SetSel(FCaret, FCaret);
        return;
    }
    if (End < 0) End = static_cast<int>(FText.size());
    SetSel(Start, End);
}

void TCustomEdit::EMReplaceSel(TMessage& M)
{
    const char* Value = reinterpret_cast<const char*>(M.LParam);
    FTyping = false;
    ReplaceSelection(Value ? Value : "", M.WParam != 0);
}

void TCustomEdit::EMLimitText(TMessage& M)
{
    SetMaxLength(static_cast<int>(M.WParam));
}

void TCustomEdit::EMCanUndo(TMessage& M)
{
    M.Result = FCanUndo;
}

void TCustomEdit::EMEmptyUndoBuffer(TMessage&)
{
    FCanUndo = false;
}

void TCustomEdit::EMSetReadOnly(TMessage& M)
{
    SetReadOnly(M.WParam != 0);
    M.Result = TRUE;
}

void TCustomEdit::EMGetModify(TMessage& M)
{
    M.Result = FModified;
}

void TCustomEdit::EMSetModify(TMessage& M)
{
    FModified = M.WParam != 0;
}

void TCustomEdit::CMTextChanged(TMessage& M)
{
    // With a window, WM_SETTEXT (sent by the inherited handling) reports the
    // change; without one nobody else does.
    TCustomControl::CMTextChanged(M);
    if (!HandleAllocated())
    {
        FAnchor = FCaret = 0;
        FLayoutValid = false;
        Change();
    }
}

void TCustomEdit::CMFontChanged(TMessage& M)
{
    FLayoutValid = false;
    TCustomControl::CMFontChanged(M);
    if (Focused())
    {
        Layout();
        CreateCaret(FHandle, nullptr, 1, FLineHeight);
        ShowCaret(FHandle);
    }
    ScrollToCaret();
}

void TCustomEdit::CMEnabledChanged(TMessage& M)
{
    TCustomControl::CMEnabledChanged(M);
    Invalidate();
}

const TClassInfo& TEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TEdit>("TEdit", &TCustomEdit::StaticClass())
            .Enum("Alignment", &TEdit::Alignment, &TEdit::SetAlignment, AlignmentNames())
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect)
            .Default(true)
            .Enum("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle,
                  ControlBorderStyleNames())
            .Default(bsSingle)
            .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &TEdit::TabStop, &TEdit::SetTabStop)
            .Default(true)
            .String("Text", &TEdit::Text, &TEdit::SetText)
            .Event("OnChange", &TEdit::OnChange)
            .Build();
    return Info;
}
