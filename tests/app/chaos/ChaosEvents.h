#pragma once

// The chaos driver's input: one random event at a time from a seed. The
// events are a pure function of the seed, so the first N events of a run
// can be made again without keeping them.

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

enum class TChaosKind
{
    Move,         // pointer to a point of a target
    Click,        // A: target, B, C: point, D: button (0 left, 1 right, 2 middle)
    DoubleClick,  // A: target, B, C: point
    Drag,         // from target A at B, C to target D at E, F
    Wheel,        // A: target, B: notches (signed)
    Key,          // A: row of ChaosKeys, B: modifiers (ChaosShift | ChaosCtrl | ChaosAlt)
    Command,      // A: row of ChaosCommands, by its keys
    Type,         // Text typed key by key
    Paste,        // Text put on the clipboard, then A: row of ChaosPasteKeys
    DropDown,     // A: row of ChaosCombos, its button clicked
    Menu,         // the window menu opened; Text: a key per step in it (u d l r arrows,
                  // E Enter, X Escape, else the letter)
    CloseAttempt, // A: row of ChaosCloseWays
    Tick,         // the window system's clock moves on A ms
    Wait,         // A ms of real time pass while messages are handled
    Fault,        // the module's fault becomes A (ModuleFault), its delay B ms
    Port,         // A: what happens to the module's port (ChaosPortChange)
    FocusAway,    // another program takes the focus, A != 0: and gives it back
};

constexpr int ChaosShift = 1, ChaosCtrl = 2, ChaosAlt = 4;

enum class TChaosPortChange
{
    Restart,    // the adapter pulled and put back at once
    Unplug,     // pulled; stays away until Plug
    RemoveLink, // the port's name goes, the module keeps running
    Plug,       // back again, keeping the block it stored
};

struct TChaosEvent
{
    TChaosKind Kind = TChaosKind::Wait;
    int A = 0, B = 0, C = 0, D = 0, E = 0, F = 0;
    std::string Text;
};

// A key the driver presses, by name.
struct TChaosKey
{
    unsigned VirtualKey;
    const char* Name;
};

// A command of the window, reached by its keys. A new command of the
// window is one more row here.
struct TChaosCommand
{
    const char* Name;
    unsigned VirtualKey;
    int Modifiers;
};

const std::vector<TChaosKey>& ChaosKeys();
const std::vector<TChaosCommand>& ChaosCommands();
const std::vector<TChaosCommand>& ChaosPasteKeys();
const std::vector<const char*>& ChaosTargets(); // the controls pointed at, by field name
const std::vector<const char*>& ChaosCombos();  // the drop-down lists, by field name
const std::vector<const char*>& ChaosCloseWays();
const std::vector<int>& ChaosDelays(); // the module's answer delays to choose from, ms

// The key of a character the driver types (US layout), and whether it
// needs Shift.
std::pair<unsigned, bool> ChaosKeyForCharacter(char C);

// The event as one line, for a failure report.
std::string DescribeChaosEvent(const TChaosEvent& Event);

class TChaosGenerator
{
  public:
    explicit TChaosGenerator(uint64_t Seed) : FRandom(Seed) {}
    TChaosEvent Next();

  private:
    int Uniform(int Low, int High); // Low..High inclusive
    std::string RandomText(bool Typed);

    std::mt19937_64 FRandom;
};

// The first Count events of Seed.
std::vector<TChaosEvent> ChaosEvents(uint64_t Seed, size_t Count);
