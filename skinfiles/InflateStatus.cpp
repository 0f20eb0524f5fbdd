#include "skinfiles/InflateStatus.h"

const char* InflateStatusText(TInflateStatus Status)
{
    switch (Status)
    {
    case TInflateStatus::Ok:
        return "ok";
    case TInflateStatus::Truncated:
        return "compressed data ends before its final block";
    case TInflateStatus::BadBlockType:
        return "compressed block of the reserved type 3";
    case TInflateStatus::BadStoredLength:
        return "stored block length does not match its complement";
    case TInflateStatus::TooManyCodes:
        return "block declares more than 286 length or 30 distance codes";
    case TInflateStatus::BadCodeLengths:
        return "code lengths repeat with nothing before them or overrun the code count";
    case TInflateStatus::BadCodeSet:
        return "code set is over- or under-subscribed or has no end-of-block code";
    case TInflateStatus::BadSymbol:
        return "compressed data uses a code that stands for no symbol";
    case TInflateStatus::DistanceTooFar:
        return "back reference reaches before the start of the data";
    case TInflateStatus::OutputTooLarge:
        return "unpacked data exceeds the size limit";
    }
    return "unknown inflate status";
}
