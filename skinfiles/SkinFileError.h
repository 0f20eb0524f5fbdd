#pragma once

#include "framework/Exception.h"
#include "skinfiles/SkinFileStatus.h"

// Raised when a skin file cannot be read. Message() is always "Failed to read
// skin file!"; Status() and Reason() say why, for tools and logs.
class ESkinFileError : public Exception
{
  public:
    ESkinFileError(TSkinFileStatus Status, std::string Reason)
        : Exception("Failed to read skin file!"), FStatus(Status), FReason(std::move(Reason))
    {
    }

    TSkinFileStatus Status() const { return FStatus; }
    const std::string& Reason() const { return FReason; }

  private:
    TSkinFileStatus FStatus;
    std::string FReason;
};
