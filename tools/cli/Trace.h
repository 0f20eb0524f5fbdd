#pragma once

#include "tools/cli/ModuleClient.h"

#include <string>

// What went over the wire in one exchange, for people: the request sent and
// every reply frame received, each with the milliseconds since the request,
// in hexadecimal; a byte that failed a check is shown in brackets and the
// check is named, and a frame that answers no pending request says so. One line each, every line
// starting with "trace: ". Limit is the time the exchange waited, named when no reply came.
std::string TraceExchange(const ExchangeResult& Result, std::chrono::milliseconds Limit);

// The checks a received frame failed, empty for a good one; Marked gets the
// positions of the bytes that failed.
std::string FrameProblems(const std::vector<uint8_t>& Frame, std::vector<size_t>& Marked);
