#include "tools/cli/BlockInput.h"

#include "protocol/CodeTables.h"
#include "tools/cli/BlockText.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace
{
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
           Value >= 0.0 && Value <= 990.0 && !(Value >= 100.0 && Value < 140.0);
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

    bool Read(NamedValues& Values, std::string& Error)
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
            if (!ReadString(Key)) return Fail("expected a key in quotes", Error);
            SkipSpace();
            if (!Take(':')) return Fail("expected ':'", Error);
            SkipSpace();
            if (!ReadValue(Value)) return Fail("expected a string or a number", Error);
            if (!Seen.insert(Key).second) return Fail("key " + Quoted(Key) + " given twice", Error);
            Values.emplace_back(std::move(Key), std::move(Value));
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
        Error = "JSON: " + What + " at byte " + std::to_string(FAt);
        return false;
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

bool ParseFlatJsonObject(std::string_view Text, NamedValues& Values, std::string& Error)
{
    Values.clear();
    if (Text.size() > MaxJsonFileSize)
    {
        Error = "JSON: the file is larger than 64 KiB";
        return false;
    }
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (Text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        Text.remove_prefix(ByteOrderMark.size());
    return FlatJsonReader(Text).Read(Values, Error);
}

bool ReadBoundedFile(const std::string& Path, size_t Limit, std::string& Text, std::string& Error)
{
    Text.clear();
    const std::unique_ptr<FILE, int (*)(FILE*)> File(std::fopen(Path.c_str(), "rb"), &std::fclose);
    if (!File)
    {
        Error = "cannot read " + Path + ": " + std::strerror(errno);
        return false;
    }
    struct stat Info
    {
    };
    if (fstat(fileno(File.get()), &Info) == 0 && S_ISDIR(Info.st_mode))
    {
        Error = "cannot read " + Path + ": it is a folder";
        return false;
    }
    char Chunk[4096];
    for (;;)
    {
        const size_t Got = std::fread(Chunk, 1, sizeof Chunk, File.get());
        if (Text.size() + Got > Limit)
        {
            Error = Path + " holds more than " + std::to_string(Limit / 1024) + " KiB";
            return false;
        }
        Text.append(Chunk, Got);
        if (Got < sizeof Chunk) break;
    }
    if (std::ferror(File.get()))
    {
        Error = "cannot read " + Path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
