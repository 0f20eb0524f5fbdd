#include "protocol/BlockJson.h"

#include "protocol/Frequency.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>

namespace
{
std::string FrequencyText(const ModuleParameters& Block)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.2f", Block.FrequencyMHz);
    return Text;
}

// The list whose key is Key; nullopt for the numeric parameters.
std::optional<ParameterList> ListOfKey(std::string_view Key)
{
    for (ParameterList List : AllParameterLists)
        if (Key == ListKey(List)) return List;
    return std::nullopt;
}
bool ParseInteger(std::string_view Text, long Low, long High, long& Value)
{
    const auto [End, Failure] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return Failure == std::errc() && End == Text.data() + Text.size() && Value >= Low &&
           Value <= High;
}

bool ParseFrequency(std::string_view Text, double& Value)
{
    const auto [End, Failure] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return Failure == std::errc() && End == Text.data() + Text.size() && std::isfinite(Value) &&
           Value >= 0.0 && !IsRefusedFrequency(Value);
}

std::string Quoted(std::string_view Text)
{
    return "'" + std::string(Text) + "'";
}

std::string Choices(ParameterList List)
{
    std::string Text;
    for (std::string_view Entry : ListEntries(List))
        Text += (Text.empty() ? "" : ", ") + std::string(Entry);
    return Text;
}

// A tiny reader for one flat object; positions are bytes into the text.
class FlatJsonReader
{
  public:
    explicit FlatJsonReader(std::string_view Text) : FText(Text) {}

    bool Read(NamedValues& Values, std::vector<int>* Lines, std::string& Error)
    {
        std::set<std::string> Seen;
        SkipSpace();
        if (!Take('{')) return Fail("expected '{'", Error);
        SkipSpace();
        if (Take('}')) return End(Error);
        for (;;)
        {
            std::string Key, Value;
            SkipSpace();
            const int KeyLine = LineAt(FAt);
            if (!ReadString(Key)) return Fail("expected a key in quotes", Error);
            SkipSpace();
            if (!Take(':')) return Fail("expected ':'", Error);
            SkipSpace();
            if (!ReadValue(Value)) return Fail("expected a string or a number", Error);
            if (!Seen.insert(Key).second) return Fail("key " + Quoted(Key) + " given twice", Error);
            Values.emplace_back(std::move(Key), std::move(Value));
            if (Lines) Lines->push_back(KeyLine);
            SkipSpace();
            if (Take('}')) return End(Error);
            if (!Take(',')) return Fail("expected ',' or '}'", Error);
        }
    }

  private:
    bool End(std::string& Error)
    {
        SkipSpace();
        return FAt == FText.size() || Fail("unexpected text after the object", Error);
    }
    bool Fail(const std::string& What, std::string& Error)
    {
        Error = "JSON: " + What + " at line " + std::to_string(LineAt(FAt)) + ", byte " +
                std::to_string(FAt);
        return false;
    }
    int LineAt(size_t At) const
    {
        return 1 + static_cast<int>(
                       std::count(FText.begin(), FText.begin() + std::min(At, FText.size()), '\n'));
    }
    void SkipSpace()
    {
        while (FAt < FText.size() && (FText[FAt] == ' ' || FText[FAt] == '\t' ||
                                      FText[FAt] == '\n' || FText[FAt] == '\r'))
            ++FAt;
    }
    bool Take(char C)
    {
        if (FAt >= FText.size() || FText[FAt] != C) return false;
        ++FAt;
        return true;
    }
    bool ReadString(std::string& Out)
    {
        if (!Take('"')) return false;
        while (FAt < FText.size())
        {
            const char C = FText[FAt++];
            if (C == '"') return true;
            if (static_cast<unsigned char>(C) < 0x20) return false;
            if (C != '\\')
            {
                Out += C;
                continue;
            }
            if (FAt >= FText.size()) return false;
            const char Escaped = FText[FAt++];
            switch (Escaped)
            {
            case '"':
                Out += '"';
                break;
            case '\\':
                Out += '\\';
                break;
            case '/':
                Out += '/';
                break;
            case 'b':
                Out += '\b';
                break;
            case 'f':
                Out += '\f';
                break;
            case 'n':
                Out += '\n';
                break;
            case 'r':
                Out += '\r';
                break;
            case 't':
                Out += '\t';
                break;
            case 'u':
            {
                // Every text the client accepts is ASCII; other code points
                // cannot match and are refused here.
                unsigned Code = 0;
                if (FAt + 4 > FText.size()) return false;
                const auto [End, Failure] =
                    std::from_chars(FText.data() + FAt, FText.data() + FAt + 4, Code, 16);
                if (Failure != std::errc() || End != FText.data() + FAt + 4 || Code == 0 ||
                    Code > 0x7F)
                    return false;
                Out += static_cast<char>(Code);
                FAt += 4;
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }
    bool ReadValue(std::string& Out)
    {
        if (FAt < FText.size() && FText[FAt] == '"') return ReadString(Out);
        const size_t Start = FAt;
        while (FAt < FText.size() &&
               (std::isdigit(static_cast<unsigned char>(FText[FAt])) || FText[FAt] == '-' ||
                FText[FAt] == '+' || FText[FAt] == '.' || FText[FAt] == 'e' || FText[FAt] == 'E'))
            ++FAt;
        Out = std::string(FText.substr(Start, FAt - Start));
        double Number = 0;
        const auto [End, Failure] = std::from_chars(Out.data(), Out.data() + Out.size(), Number);
        return !Out.empty() && Failure == std::errc() && End == Out.data() + Out.size();
    }

    std::string_view FText;
    size_t FAt = 0;
};
} // namespace

std::string_view ListKey(ParameterList List)
{
    switch (List)
    {
    case ParameterList::UartBaud:
        return "uart_baud";
    case ParameterList::UartParity:
        return "uart_parity";
    case ParameterList::Spreading:
        return "spreading";
    case ParameterList::RfMode:
        return "rf_mode";
    case ParameterList::Bandwidth:
        return "bandwidth";
    case ParameterList::Power:
        return "power";
    case ParameterList::Breath:
        return "breath";
    case ParameterList::Wake:
        return "wake";
    }
    return "";
}

bool IsListed(ParameterList List, uint8_t Code)
{
    return IndexForCode(List, Code).What == ListUpdate::Action::Select;
}

std::string ListText(ParameterList List, uint8_t Code)
{
    const ListUpdate Update = IndexForCode(List, Code);
    if (Update.What != ListUpdate::Action::Select) return std::to_string(Code);
    return std::string(ListEntries(List)[static_cast<size_t>(Update.Index)]);
}

std::string BlockToJson(const ModuleParameters& Block)
{
    std::string Json;
    for (const ShownParameter& Shown : ShownParameters)
    {
        // List entries are strings; numbers and codes outside a list are numbers.
        const auto List = ListOfKey(Shown.Key);
        const bool Quoted = List && IsListed(*List, CodeField(Block, *List));
        const std::string Value = ValueText(Block, Shown.Key);
        Json += (Json.empty() ? "{\"" : ", \"") + std::string(Shown.Key) +
                "\": " + (Quoted ? "\"" + Value + "\"" : Value);
    }
    return Json + "}";
}

std::string ValueText(const ModuleParameters& Block, std::string_view Key)
{
    if (Key == "frequency_mhz") return FrequencyText(Block);
    if (Key == "node_id") return std::to_string(NodeId(Block));
    if (Key == "net_id") return std::to_string(Block.NetId);
    if (const auto List = ListOfKey(Key)) return ListText(*List, CodeField(Block, *List));
    return {};
}

std::optional<int> ParseParityWord(std::string_view Text)
{
    if (const auto Index = FindListEntry(ParameterList::UartParity, Text)) return Index;
    std::string Lower(Text);
    for (char& C : Lower)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    if (Lower == "none") return 0;
    return std::nullopt;
}

bool SetParameter(ModuleParameters& Block, std::string_view Key, std::string_view Value,
                  std::string& Error)
{
    if (Key == "frequency_mhz")
    {
        double Frequency = 0;
        if (!ParseFrequency(Value, Frequency))
        {
            Error = "frequency " + Quoted(Value) +
                    " is not a number from 0 to 990 MHz outside 100..140 (the window replaces "
                    "those with 433)";
            return false;
        }
        Block.FrequencyMHz = Frequency;
        return true;
    }
    if (Key == "node_id" || Key == "net_id")
    {
        const bool Node = Key == "node_id";
        long Number = 0;
        if (!ParseInteger(Value, 0, Node ? 65535 : 255, Number))
        {
            Error = std::string(Key) + " " + Quoted(Value) + " is not an integer from 0 to " +
                    (Node ? "65535" : "255");
            return false;
        }
        if (Node)
            SetNodeId(Block, static_cast<double>(Number));
        else
            Block.NetId = NetIdCode(static_cast<double>(Number));
        return true;
    }
    for (ParameterList List : AllParameterLists)
    {
        if (Key != ListKey(List)) continue;
        const auto Index =
            List == ParameterList::UartParity ? ParseParityWord(Value) : FindListEntry(List, Value);
        if (!Index)
        {
            Error = std::string(Key) + " " + Quoted(Value) + " is not one of: " + Choices(List);
            return false;
        }
        CodeField(Block, List) = CodeForIndex(List, *Index);
        return true;
    }
    Error = "unknown parameter " + Quoted(Key);
    return false;
}

bool ParseFlatJsonObject(std::string_view Text, NamedValues& Values, std::string& Error,
                         std::vector<int>* Lines)
{
    Values.clear();
    if (Lines) Lines->clear();
    if (Text.size() > MaxJsonFileSize)
    {
        Error = "JSON: the file is larger than 64 KiB";
        return false;
    }
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (Text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        Text.remove_prefix(ByteOrderMark.size());
    return FlatJsonReader(Text).Read(Values, Lines, Error);
}

bool ApplyBlockJson(std::string_view Text, ModuleParameters& Block, std::string& Error)
{
    NamedValues Values;
    std::vector<int> Lines;
    if (!ParseFlatJsonObject(Text, Values, Error, &Lines)) return false;
    ModuleParameters Changed = Block;
    for (size_t I = 0; I < Values.size(); ++I)
        if (!SetParameter(Changed, Values[I].first, Values[I].second, Error))
        {
            Error = "line " + std::to_string(Lines[I]) + ": " + Error;
            return false;
        }
    Block = Changed;
    return true;
}
