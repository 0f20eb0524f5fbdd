#pragma once

#include "framework/Value.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text of a form definition as a tree, before any component exists.
//
//   object MainForm: TMainForm          (or "object TMainForm" without name)
//     Caption = 'It''s'#13#10'done'     strings: quoted parts and #codes
//     Left = -12                        integers, also $hex
//     Value = 433.5                     floats, always with "."
//     Color = clBtnFace                 identifiers: enumerations, colours,
//     PopupMenu = Menu1                   component references, handlers
//     Font.Style = [fsBold, fsItalic]   nested paths; sets
//     Items = ('one' 'two')             lists (string lists)
//     Panels = <                        collections
//       item
//         Width = 120
//       end>
//     Picture = {0A1B2C}                binary data, hex
//     object Button1: TButton           owned components, nested by parent
//     end
//   end
//
// Keywords (object, end, item) and names compare without case. Strings
// are UTF-8; #codes are Unicode code points. Long strings may be split
// into parts joined with "+".

struct TFormPos
{
    int Line = 0;
    int Column = 0;
};

struct TFormItem;

struct TFormValue
{
    enum class TKind
    {
        Integer,
        Float,
        String,
        Ident,
        Set,
        List,
        Collection,
        Binary
    };
    TKind Kind = TKind::Integer;
    TFormPos Pos;
    int64_t Integer = 0;
    double Float = 0;
    std::string Text;                 // String, Ident
    std::vector<std::string> Members; // Set
    std::vector<TFormValue> List;     // List
    std::vector<TFormItem> Items;     // Collection
    TBytes Bytes;                     // Binary
};

struct TFormProperty
{
    std::string Path; // "Font.Name"
    TFormPos Pos;
    TFormValue Value;
};

struct TFormItem
{
    TFormPos Pos;
    std::vector<TFormProperty> Properties;
};

struct TFormObject
{
    std::string Name; // may be empty
    std::string ClassName;
    TFormPos Pos;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
};

// Parses one object definition. Throws EFormError (with line and column)
// for bad syntax, unterminated strings or binary data, numbers out of range
// and nesting deeper than MaxFormNesting.
TFormObject ParseFormDefinition(std::string_view Text);
// Writes the tree in the format above, indented by two spaces per level.
std::string FormatFormDefinition(const TFormObject& Object);

constexpr int MaxFormNesting = 64;
