#pragma once

// Outcome of inflating a DEFLATE stream.
enum class TInflateStatus
{
    Ok,
    // The input ends before the final block does.
    Truncated,
    // Block type 3.
    BadBlockType,
    // A stored block whose length and its complement disagree.
    BadStoredLength,
    // A dynamic block declaring more than 286 literal/length or 30 distance
    // codes.
    TooManyCodes,
    // Code lengths that repeat with nothing before them or run past the
    // declared number of codes.
    BadCodeLengths,
    // A code set that is over- or under-subscribed, or has no end-of-block
    // code.
    BadCodeSet,
    // A code that stands for no symbol (an unused code, literal/length 286
    // or 287, distance 30 or 31).
    BadSymbol,
    // A distance reaching before the start of the output.
    DistanceTooFar,
    // The output would exceed the allowed size.
    OutputTooLarge
};

// A short English description ("input ends before the final block", ...),
// never null.
const char* InflateStatusText(TInflateStatus Status);
