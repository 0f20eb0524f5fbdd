#include "tests/app/chaos/ChaosEvents.h"

#include "platform/win/Input.h"
#include "tools/virtual-module/VirtualModule.h"

#include <array>
#include <cstdio>
#include <iterator>

namespace
{
constexpr int LastFault = static_cast<int>(ModuleFault::WrongCommand);

// Each kind of event with its share of the run.
struct TKindWeight
{
    TChaosKind Kind;
    int Weight;
    const char* Name;
};
constexpr TKindWeight KindWeights[] = {
    {TChaosKind::Move, 10, "move"},
    {TChaosKind::Click, 20, "click"},
    {TChaosKind::DoubleClick, 5, "double-click"},
    {TChaosKind::Drag, 4, "drag"},
    {TChaosKind::Wheel, 3, "wheel"},
    {TChaosKind::Key, 15, "key"},
    {TChaosKind::Command, 10, "command"},
    {TChaosKind::Type, 8, "type"},
    {TChaosKind::Paste, 6, "paste"},
    {TChaosKind::DropDown, 4, "drop-down"},
    {TChaosKind::Menu, 3, "menu"},
    {TChaosKind::CloseAttempt, 2, "close"},
    {TChaosKind::Tick, 8, "tick"},
    {TChaosKind::Wait, 3, "wait"},
    {TChaosKind::Fault, 3, "fault"},
    {TChaosKind::Port, 1, "port"},
    {TChaosKind::FocusAway, 1, "focus-away"},
};

const char* KindName(TChaosKind Kind)
{
    for (const TKindWeight& Row : KindWeights)
        if (Row.Kind == Kind) return Row.Name;
    return "?";
}

// Pieces of hostile clipboard text; a paste joins one to three of them.
const char* const PastePieces[] = {"-12.5",
                                   "868,50",
                                   "868.5",
                                   "abc123",
                                   "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93",
                                   "12345678901234567890123456",
                                   "1e308",
                                   "nan",
                                   "inf",
                                   "0x1F",
                                   "",
                                   " ",
                                   "\t\r\n",
                                   "65536",
                                   "256",
                                   "-7",
                                   "4.00",
                                   "\xFF\xFE",
                                   "\xC3",
                                   "433.000000001",
                                   "+",
                                   ".",
                                   ",",
                                   "9"};

// Characters typed key by key: what a number edit should take and what it
// should refuse.
constexpr char TypedCharacters[] = "0123456789.,-+eE aZ";

} // namespace

// A printable character's key on the US layout, with Shift when needed.
std::pair<unsigned, bool> ChaosKeyForCharacter(char C)
{
    if (C >= '0' && C <= '9') return {static_cast<unsigned>(C), false};
    if (C >= 'a' && C <= 'z') return {static_cast<unsigned>(C - 'a' + 'A'), false};
    if (C >= 'A' && C <= 'Z') return {static_cast<unsigned>(C), true};
    switch (C)
    {
    case '.':
        return {VK_OEM_PERIOD, false};
    case ',':
        return {VK_OEM_COMMA, false};
    case '-':
        return {VK_OEM_MINUS, false};
    case '+':
        return {VK_OEM_PLUS, true};
    default:
        return {VK_SPACE, false};
    }
}

const std::vector<TChaosKey>& ChaosKeys()
{
    static const std::vector<TChaosKey> Keys = {
        {VK_TAB, "Tab"},
        {VK_RETURN, "Enter"},
        {VK_ESCAPE, "Escape"},
        {VK_SPACE, "Space"},
        {VK_BACK, "BackSpace"},
        {VK_DELETE, "Delete"},
        {VK_INSERT, "Insert"},
        {VK_HOME, "Home"},
        {VK_END, "End"},
        {VK_LEFT, "Left"},
        {VK_RIGHT, "Right"},
        {VK_UP, "Up"},
        {VK_DOWN, "Down"},
        {VK_PRIOR, "PageUp"},
        {VK_NEXT, "PageDown"},
        {VK_F4, "F4"},
        {VK_F10, "F10"},
        {VK_F1, "F1"},
        {'A', "A"},
        {'C', "C"},
        {'V', "V"},
        {'X', "X"},
        {'Z', "Z"},
        {'0', "0"},
        {'5', "5"},
        {VK_OEM_PERIOD, "."},
        {VK_OEM_COMMA, ","},
        {VK_OEM_MINUS, "-"},
        {VK_MENU, "Alt"},
        {VK_CONTROL, "Ctrl"},
        {VK_SHIFT, "Shift"},
        {VK_DECIMAL, "NumDot"},
        {VK_NUMPAD0, "Num0"},
    };
    return Keys;
}

const std::vector<TChaosCommand>& ChaosCommands()
{
    static const std::vector<TChaosCommand> Commands = {
        {"Open/Close port", 'P', ChaosCtrl}, {"Read All", 'R', ChaosCtrl},
        {"Write All", 'W', ChaosCtrl},       {"Find module", 'F', ChaosCtrl},
        {"Save preset", 'S', ChaosCtrl},     {"Load preset", 'L', ChaosCtrl},
    };
    return Commands;
}

const std::vector<TChaosCommand>& ChaosPasteKeys()
{
    static const std::vector<TChaosCommand> Keys = {
        {"Ctrl+V", 'V', ChaosCtrl},
        {"Shift+Insert", VK_INSERT, ChaosShift},
    };
    return Keys;
}

const std::vector<const char*>& ChaosTargets()
{
    // "" is the whole window, "TitleBar" the skinned title bar with its
    // buttons; the rest are the form's fields.
    static const std::vector<const char*> Targets = {
        "",
        "TitleBar",
        "suiButton_OpenPort",
        "btn_WriteAll",
        "btn_ReadAll",
        "suiComboBox_PcPort",
        "suiComboBox_PcBaudRate",
        "suiComboBox_PcParity",
        "suiComboBox_RfFactor",
        "suiComboBox1",
        "suiComboBox_RFBW",
        "suiComboBox_McuBaudRate",
        "suiComboBox_McuParity",
        "suiComboBox_Power",
        "suiComboBox2",
        "suiComboBox3",
        "suiNumberEdit_RfFrequency",
        "suiNumberEdit_CustID_H",
        "suiNumberEdit_NetID",
        "img1",
        "img2",
        "suiStatusBar1",
        "suiGroupBox1",
        "Label1",
    };
    return Targets;
}

const std::vector<const char*>& ChaosCombos()
{
    static const std::vector<const char*> Combos = {
        "suiComboBox_PcPort",
        "suiComboBox_PcBaudRate",
        "suiComboBox_PcParity",
        "suiComboBox_RfFactor",
        "suiComboBox1",
        "suiComboBox_RFBW",
        "suiComboBox_McuBaudRate",
        "suiComboBox_McuParity",
        "suiComboBox_Power",
        "suiComboBox2",
        "suiComboBox3",
    };
    return Combos;
}

const std::vector<const char*>& ChaosCloseWays()
{
    static const std::vector<const char*> Ways = {"Alt+F4", "WM_CLOSE", "SC_CLOSE", "Close()"};
    return Ways;
}

const std::vector<int>& ChaosDelays()
{
    static const std::vector<int> Delays = {0, 1, 5, 20, 80, 250};
    return Delays;
}

int TChaosGenerator::Uniform(int Low, int High)
{
    return std::uniform_int_distribution<int>(Low, High)(FRandom);
}

std::string TChaosGenerator::RandomText(bool Typed)
{
    std::string Text;
    if (Typed)
    {
        const int Length = Uniform(1, 8);
        for (int I = 0; I < Length; ++I)
            Text += TypedCharacters[Uniform(0, sizeof TypedCharacters - 2)];
        return Text;
    }
    const int Pieces = Uniform(1, 3);
    for (int I = 0; I < Pieces; ++I)
        Text += PastePieces[Uniform(0, std::size(PastePieces) - 1)];
    if (Uniform(0, 9) == 0) Text.append(static_cast<size_t>(Uniform(1, 300)), '7');
    return Text;
}

TChaosEvent TChaosGenerator::Next()
{
    int Total = 0;
    for (const TKindWeight& Row : KindWeights)
        Total += Row.Weight;
    int Pick = Uniform(0, Total - 1);
    TChaosEvent Event;
    for (const TKindWeight& Row : KindWeights)
    {
        if (Pick < Row.Weight)
        {
            Event.Kind = Row.Kind;
            break;
        }
        Pick -= Row.Weight;
    }
    const int Targets = static_cast<int>(ChaosTargets().size());
    // Points run a little past the target's edges, between the controls.
    auto Point = [&] { return Uniform(-100, 1100); };
    switch (Event.Kind)
    {
    case TChaosKind::Move:
    case TChaosKind::DoubleClick:
        Event.A = Uniform(0, Targets - 1);
        Event.B = Point();
        Event.C = Point();
        break;
    case TChaosKind::Click:
        Event.A = Uniform(0, Targets - 1);
        Event.B = Point();
        Event.C = Point();
        Event.D = Uniform(0, 5) == 0 ? Uniform(1, 2) : 0;
        break;
    case TChaosKind::Drag:
        Event.A = Uniform(0, Targets - 1);
        Event.B = Point();
        Event.C = Point();
        Event.D = Uniform(0, Targets - 1);
        Event.E = Point();
        Event.F = Point();
        break;
    case TChaosKind::Wheel:
        Event.A = Uniform(0, Targets - 1);
        Event.B = Uniform(-3, 3);
        break;
    case TChaosKind::Key:
        Event.A = Uniform(0, static_cast<int>(ChaosKeys().size()) - 1);
        Event.B = Uniform(0, 3) == 0 ? Uniform(1, 7) : 0;
        break;
    case TChaosKind::Command:
        Event.A = Uniform(0, static_cast<int>(ChaosCommands().size()) - 1);
        break;
    case TChaosKind::Type:
        Event.Text = RandomText(true);
        break;
    case TChaosKind::Paste:
        Event.A = Uniform(0, static_cast<int>(ChaosPasteKeys().size()) - 1);
        Event.Text = RandomText(false);
        break;
    case TChaosKind::DropDown:
        Event.A = Uniform(0, static_cast<int>(ChaosCombos().size()) - 1);
        break;
    case TChaosKind::Menu:
    {
        // Keys inside the menu: moves, the commands' letters, Enter, Escape.
        static constexpr char Steps[] = "udlrERWOFSLGCX";
        const int Count = Uniform(0, 4);
        for (int I = 0; I < Count; ++I)
            Event.Text += Steps[Uniform(0, sizeof Steps - 2)];
        break;
    }
    case TChaosKind::CloseAttempt:
        Event.A = Uniform(0, static_cast<int>(ChaosCloseWays().size()) - 1);
        break;
    case TChaosKind::Tick:
        Event.A = Uniform(0, 3) == 0 ? Uniform(900, 3100) : Uniform(0, 600);
        break;
    case TChaosKind::Wait:
        Event.A = Uniform(1, 10);
        break;
    case TChaosKind::Fault:
        Event.A = Uniform(0, 2) == 0 ? 0 : Uniform(0, LastFault);
        Event.B = ChaosDelays()[Uniform(0, static_cast<int>(ChaosDelays().size()) - 1)];
        break;
    case TChaosKind::Port:
    {
        // Mostly back soon: a port away for long leaves little to test.
        static constexpr TChaosPortChange Changes[] = {
            TChaosPortChange::Restart,    TChaosPortChange::Restart, TChaosPortChange::Unplug,
            TChaosPortChange::RemoveLink, TChaosPortChange::Plug,    TChaosPortChange::Plug};
        Event.A = static_cast<int>(Changes[Uniform(0, std::size(Changes) - 1)]);
        break;
    }
    case TChaosKind::FocusAway:
        Event.A = Uniform(0, 1);
        break;
    }
    return Event;
}

std::vector<TChaosEvent> ChaosEvents(uint64_t Seed, size_t Count)
{
    TChaosGenerator Generator(Seed);
    std::vector<TChaosEvent> Events;
    Events.reserve(Count);
    for (size_t I = 0; I < Count; ++I)
        Events.push_back(Generator.Next());
    return Events;
}

std::string DescribeChaosEvent(const TChaosEvent& Event)
{
    auto Target = [](int Index) -> std::string
    {
        const char* Name = ChaosTargets()[static_cast<size_t>(Index)];
        return *Name ? Name : "window";
    };
    auto At = [](int X, int Y)
    { return "@" + std::to_string(X / 10) + "%," + std::to_string(Y / 10) + "%"; };
    auto Quoted = [](const std::string& Text)
    {
        std::string Out = "\"";
        for (unsigned char C : Text)
        {
            if (C >= 0x20 && C < 0x7F && C != '"' && C != '\\')
                Out += static_cast<char>(C);
            else
            {
                char Hex[8];
                std::snprintf(Hex, sizeof Hex, "\\x%02X", C);
                Out += Hex;
            }
        }
        return Out + "\"";
    };
    auto Modifiers = [](int Bits)
    {
        return std::string(Bits & ChaosCtrl ? "Ctrl+" : "") + (Bits & ChaosAlt ? "Alt+" : "") +
               (Bits & ChaosShift ? "Shift+" : "");
    };
    std::string Line = KindName(Event.Kind);
    switch (Event.Kind)
    {
    case TChaosKind::Move:
    case TChaosKind::DoubleClick:
        return Line + " " + Target(Event.A) + At(Event.B, Event.C);
    case TChaosKind::Click:
        return Line +
               (Event.D == 1   ? " right "
                : Event.D == 2 ? " middle "
                               : " ") +
               Target(Event.A) + At(Event.B, Event.C);
    case TChaosKind::Drag:
        return Line + " " + Target(Event.A) + At(Event.B, Event.C) + " -> " + Target(Event.D) +
               At(Event.E, Event.F);
    case TChaosKind::Wheel:
        return Line + " " + Target(Event.A) + " " + std::to_string(Event.B);
    case TChaosKind::Key:
        return Line + " " + Modifiers(Event.B) + ChaosKeys()[static_cast<size_t>(Event.A)].Name;
    case TChaosKind::Command:
        return Line + " " + ChaosCommands()[static_cast<size_t>(Event.A)].Name;
    case TChaosKind::Type:
        return Line + " " + Quoted(Event.Text);
    case TChaosKind::Paste:
        return Line + " " + Quoted(Event.Text) + " with " +
               ChaosPasteKeys()[static_cast<size_t>(Event.A)].Name;
    case TChaosKind::DropDown:
        return Line + " " + ChaosCombos()[static_cast<size_t>(Event.A)];
    case TChaosKind::Menu:
        return Line + " keys " + Quoted(Event.Text);
    case TChaosKind::CloseAttempt:
        return Line + " by " + ChaosCloseWays()[static_cast<size_t>(Event.A)];
    case TChaosKind::Tick:
    case TChaosKind::Wait:
        return Line + " " + std::to_string(Event.A) + " ms";
    case TChaosKind::Fault:
        return Line + " " + ModuleFaultName(static_cast<ModuleFault>(Event.A)) + ", delay " +
               std::to_string(Event.B) + " ms";
    case TChaosKind::Port:
    {
        static const char* const Changes[] = {"restart", "unplug", "remove link", "plug"};
        return Line + " " + Changes[Event.A];
    }
    case TChaosKind::FocusAway:
        return Line + (Event.A ? " and back" : "");
    }
    return Line;
}
