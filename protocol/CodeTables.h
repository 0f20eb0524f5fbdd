#pragma once

#include "protocol/ModuleParameters.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The eight drop-down lists of the configuration window and the wire codes of
// their entries. Sending maps a list index to a code; receiving maps a code
// back to what the list must do.
enum class ParameterList
{
    UartBaud,
    UartParity,
    Spreading,
    RfMode,
    Bandwidth,
    Power,
    Breath,
    Wake,
};

inline constexpr ParameterList AllParameterLists[] = {
    ParameterList::UartBaud, ParameterList::UartParity, ParameterList::Spreading,
    ParameterList::RfMode,   ParameterList::Bandwidth,  ParameterList::Power,
    ParameterList::Breath,   ParameterList::Wake,
};

// What a list does with a received code.
struct ListUpdate
{
    enum class Action
    {
        Select, // select entry Index
        Leave,  // keep the current selection
        Clear,  // show no entry (item index -1)
    };
    Action What = Action::Leave;
    int Index = -1; // meaningful for Select only

    bool operator==(const ListUpdate&) const = default;
};

// The list's entry texts in list order, as the window shows them.
std::span<const std::string_view> ListEntries(ParameterList List);

// Wire code for list index Index, in 8-bit arithmetic: Index -1 (no
// selection) yields the codes a list without selection sends.
uint8_t CodeForIndex(ParameterList List, int Index);

// What the list must do when Code is received.
ListUpdate IndexForCode(ParameterList List, uint8_t Code);

// The field of Block that carries List's code.
uint8_t& CodeField(ModuleParameters& Block, ParameterList List);
uint8_t CodeField(const ModuleParameters& Block, ParameterList List);

// Index of Text among the list's entries, ignoring ASCII case; nullopt when
// the list has no such entry.
std::optional<int> FindListEntry(ParameterList List, std::string_view Text);

// The module's own line setting in its block: the baud rate of a UART baud
// code (0 when the code is none of the list's) and the code of a rate
// (nullopt for a rate the list lacks).
int BaudRateForCode(uint8_t Code);
std::optional<uint8_t> CodeForBaudRate(int BaudRate);

// Node ID: the value truncated toward zero is split into high and low byte.
void SetNodeId(ModuleParameters& Block, double Value);
int NodeId(const ModuleParameters& Block);

// Net ID: the low 8 bits of the value truncated toward zero.
uint8_t NetIdCode(double Value);
