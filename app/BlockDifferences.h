#pragma once

#include "protocol/ModuleParameters.h"

#include <string>

// The fields in which the block the module holds differs from the block
// the window wrote, for the status bar's hint: "frequency: sent 868.50,
// module holds 433.00; net ID: sent 9, module holds 0". Values are named as
// the window's controls show them. Sent is compared as it went over the wire
// (the frequency through its wire code); command bytes are ignored. Empty
// when the module holds what was sent.
std::string DescribeBlockDifferences(const ModuleParameters& Sent, const ModuleParameters& Held);
