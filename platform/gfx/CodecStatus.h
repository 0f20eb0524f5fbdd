#pragma once

// Outcome of a picture reader or writer.
enum class TCodecStatus
{
    Ok,
    // The data ends before the picture does.
    Truncated,
    // Not this format, or fields that contradict each other.
    Malformed,
    // A valid variant this layer does not handle (e.g. a compression).
    Unsupported,
    // Dimensions beyond MaxPicturePixels or TSurface::MaxDimension.
    TooLarge,
    // The encoder failed (out of memory, or the library reported an error).
    EncodeFailed
};

// Largest picture accepted by the readers, in pixels.
constexpr long long MaxPicturePixels = 1LL << 26;

// A short English description ("truncated data", ...), never null.
const char* CodecStatusText(TCodecStatus Status);
