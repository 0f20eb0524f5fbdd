#pragma once

#include "framework/Exception.h"
#include "skinfiles/SkinFileResult.h"

// Raised when a skin file cannot be read. Message() is always "Failed to read
// skin file!"; Status() and Reason() say why, for tools and logs.
class ESkinFileError : public Exception
{
  public:
    explicit ESkinFileError(TSkinFileResult Result)
        : Exception("Failed to read skin file!"), FResult(std::move(Result))
    {
    }

    const TSkinFileResult& Result() const { return FResult; }
    TSkinFileStatus Status() const { return FResult.Status(); }
    std::string Reason() const { return FResult.Text(); }

  private:
    TSkinFileResult FResult;
};
