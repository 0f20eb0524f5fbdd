#pragma once

#include "framework/controls/CustomControl.h"

#include <memory>
#include <string>
#include <vector>

class TPopupMenu;
class TEditContextMenu;

// A single-line text edit. The text lives in the control (Text); positions
// and lengths count bytes of the UTF-8 text, and the caret never stops
// inside a character. The window answers the edit messages (EM_*, WM_CUT,
// WM_COPY, WM_PASTE, WM_CLEAR, WM_UNDO, WM_SETTEXT, WM_GETTEXT), so a
// descendant that replaces the window procedure sees every request.
//
// Typed characters arrive through the key-press step (DoKeyPress, then
// OnKeyPress) before the edit acts on them; Ctrl+A, C, X, V and Z are the
// control characters 1, 3, 24, 22 and 26, so a descendant that refuses a
// character refuses the shortcut too. Change runs after every change of
// the text, by the user or the program; assigning Text also sends
// CM_TEXTCHANGED.
//
// Every way to cut, copy or paste (the methods, Ctrl+X/C/V, Shift+Delete,
// Ctrl+Insert, Shift+Insert, the right-click menu) sends WM_CUT, WM_COPY or
// WM_PASTE, so a descendant handling those messages governs them all.
class TCustomEdit : public TCustomControl
{
  public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    // The selection: its start, its length and its text. Setting the start
    // moves the caret there without a selection; setting the length selects
    // that many bytes from the start.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }

    // Send WM_CUT, WM_COPY and WM_PASTE.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FCanUndo; }
    void Undo();
    void ClearUndo() { FCanUndo = false; }

    // A PopupMenu is shown on a right click instead of the edit's own menu
    // (Undo, Cut, Copy, Paste, Delete, Select All) while its AutoPopup is
    // on; null restores the edit's menu.

    TNotifyEvent OnChange;

  protected:
    void CreateParams(TCreateParams& Params) override;
    // The right-click menu at a screen point; (-1, -1): below the caret.
    virtual void ShowContextMenu(int ScreenX, int ScreenY);
    void Paint() override;
    void DefaultHandler(TMessage& Message) override;
    // Raises OnChange.
    virtual void Change();

    // Replaces the selection with Value as the user's edit would (maximum
    // length, undo, Change); false when nothing could be inserted.
    bool ReplaceSelection(const std::string& Value, bool CanUndoIt);
    // Puts the clipboard's text in place of the selection as one step the
    // user can undo; a descendant that accepts only some text filters it
    // here.
    virtual void PasteText(const std::string& Value);
    // Moves the caret to Pos; Extend keeps the anchor (a selection).
    void MoveCaret(int Pos, bool Extend);
    // The effective alignment: the window style's when there is a window,
    // so a descendant that adds ES_RIGHT in CreateParams gets right-aligned
    // text.
    TAlignment EffectiveAlignment() const;
    // Client x of the boundary before byte Pos, and the nearest boundary to
    // a client x.
    int PosToX(int Pos) const;
    int XToPos(int X) const;

    void WMGetDlgCode(TMessage& M);
    void WMSetText(TMessage& M);
    void WMGetText(TMessage& M);
    void WMGetTextLength(TMessage& M);
    void WMSetFocus(TMessage& M);
    void WMKillFocus(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void WMLButtonDblClk(TMessage& M);
    void WMMouseMove(TMessage& M);
    void WMLButtonUp(TMessage& M);
    void WMContextMenu(TMessage& M);
    void WMSize(TMessage& M);
    void WMCut(TMessage& M);
    void WMCopy(TMessage& M);
    void WMPaste(TMessage& M);
    void WMClear(TMessage& M);
    void WMUndo(TMessage& M);
    void EMGetSel(TMessage& M);
    void EMGetRect(TMessage& M);
    void EMSetRect(TMessage& M);
    void EMSetSel(TMessage& M);
    void EMReplaceSel(TMessage& M);
    void EMLimitText(TMessage& M);
    void EMCanUndo(TMessage& M);
    void EMEmptyUndoBuffer(TMessage& M);
    void EMSetReadOnly(TMessage& M);
    void EMGetModify(TMessage& M);
    void EMSetModify(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);

  private:
    void KeyDownDefault(TMessage& M);
    void CharDefault(TMessage& M);
    void DeleteOrBackspace(bool Forward, bool Word);
    void SetSel(int Start, int End);
    void StartTyping();
    void TextReplaced();
    int NextPos(int Pos) const;
    int PrevPos(int Pos) const;
    int WordLeft(int Pos) const;
    int WordRight(int Pos) const;
    void Layout() const;
    // Where the line is laid out and drawn: the formatting rectangle.
    TRect TextArea() const;
    bool MultiLine() const;
    int TextLeft() const;
    int TextTop() const;
    void ScrollToCaret();
    void UpdateCaret();
    void RecreateFrame();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FModified = false;
    int FAnchor = 0;
    int FCaret = 0;
    int FScroll = 0;
    bool FSelecting = false;
    bool FTyping = false;
    bool FCanUndo = false;
    std::string FUndoText;
    int FUndoAnchor = 0;
    int FUndoCaret = 0;
    // A formatting rectangle set by EM_SETRECT; empty: the default.
    TRect FFormatRect{};
    bool FHasFormatRect = false;
    std::unique_ptr<TEditContextMenu> FContextMenu;
    // Boundary x positions from the text's start, one per byte and one past
    // the end; rebuilt when the text or the font changed.
    mutable std::vector<int> FOffsets;
    mutable std::string FLaidOutText;
    mutable bool FLayoutValid = false;
    mutable int FLineHeight = 0;
};

// The edit as form definitions create it.
class TEdit : public TCustomEdit
{
  public:
    using TCustomEdit::TCustomEdit;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
