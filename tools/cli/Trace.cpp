#include "tools/cli/Trace.h"

#include "protocol/Frames.h"

#include <algorithm>
#include <cstdio>

namespace
{
std::string Hex(const std::vector<uint8_t>& Bytes, const std::vector<size_t>& Marked)
{
    std::string Text;
    char Byte[8];
    for (size_t At = 0; At < Bytes.size(); ++At)
    {
        const bool Mark = std::find(Marked.begin(), Marked.end(), At) != Marked.end();
        std::snprintf(Byte, sizeof Byte, Mark ? "[%02X]" : "%02X", Bytes[At]);
        Text += (Text.empty() ? "" : " ") + std::string(Byte);
    }
    return Text;
}

std::string Line(std::chrono::steady_clock::time_point SentAt,
                 std::chrono::steady_clock::time_point At, const char* What,
                 const std::string& Rest)
{
    const auto Ms = std::chrono::duration_cast<std::chrono::milliseconds>(At - SentAt).count();
    return "trace: +" + std::to_string(Ms) + " ms " + What + " " + Rest + "\n";
}

constexpr const char* AnswersNothing = "answers no pending request, dropped";

std::string HexByte(uint8_t Byte)
{
    char Text[4];
    std::snprintf(Text, sizeof Text, "%02X", Byte);
    return Text;
}
} // namespace

std::string FrameProblems(const std::vector<uint8_t>& Frame, std::vector<size_t>& Marked)
{
    Marked.clear();
    // The framer's own rules: the checksum sits after the length byte's
    // count of data bytes, before the closing CR LF, and a parameter block
    // needs every data position.
    const size_t End = Frame.size() >= 2 ? Frame.size() - 2 : 0; // the CR
    if (Frame.size() <= 7) return "the frame ends before its length byte";
    const size_t ChecksumAt = (Frame[7] + 8u) % 256u;
    if (ChecksumAt >= End)
    {
        Marked.push_back(7);
        return "the frame ends before the checksum its length byte places at " +
               std::to_string(ChecksumAt);
    }
    if (End <= FrameChecksumPosition - 1)
    {
        Marked.push_back(7);
        return "the frame is too short for a parameter block";
    }
    const uint8_t Sum = FrameChecksum(std::span(Frame.data(), ChecksumAt));
    if (Sum != Frame[ChecksumAt])
    {
        Marked.push_back(ChecksumAt);
        return "checksum " + HexByte(Frame[ChecksumAt]) + " received, " + HexByte(Sum) +
               " computed";
    }
    return {};
}

std::string TraceExchange(const ExchangeResult& Result, std::chrono::milliseconds Limit)
{
    std::string Text;
    if (!Result.Sent.empty())
        Text += Line(Result.SentAt, Result.SentAt,
                     Result.Outcome == ExchangeOutcome::SendFailed ? "not sent:" : "sent:",
                     Hex(Result.Sent, {}));
    for (const ModuleReply& Reply : Result.Replies)
    {
        std::vector<size_t> Marked;
        std::string Notes = FrameProblems(Reply.Frame, Marked);
        if (Reply.Answers == 0) Notes += (Notes.empty() ? "" : "; ") + std::string(AnswersNothing);
        Text +=
            Line(Result.SentAt, Reply.Completed,
                 "received:", Hex(Reply.Frame, Marked) + (Notes.empty() ? "" : " (" + Notes + ")"));
    }
    if (Result.Outcome == ExchangeOutcome::NoReply)
        Text += Line(Result.SentAt, Result.SentAt + Limit, "no complete reply:",
                     "nothing more within " + std::to_string(Limit.count()) + " ms");
    return Text;
}
