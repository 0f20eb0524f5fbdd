#include "platform/gfx/CodecStatus.h"

const char* CodecStatusText(TCodecStatus Status)
{
    switch (Status)
    {
    case TCodecStatus::Ok:
        return "ok";
    case TCodecStatus::Truncated:
        return "truncated data";
    case TCodecStatus::Malformed:
        return "malformed data";
    case TCodecStatus::Unsupported:
        return "unsupported variant";
    case TCodecStatus::TooLarge:
        return "picture too large";
    case TCodecStatus::EncodeFailed:
        return "encoding failed";
    }
    return "unknown";
}
