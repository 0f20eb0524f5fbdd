#pragma once

#include "skinfiles/SkinFileStatus.h"

#include <string>

// The outcome of reading a skin file, from the archive walk up to the theme
// manager: a status and, where there is one, the detail of the layer that
// refused (the decoder's, the database's or the picture reader's words).
class TSkinFileResult
{
  public:
    TSkinFileResult() = default;
    TSkinFileResult(TSkinFileStatus Status, std::string Detail = {})
        : FStatus(Status), FDetail(std::move(Detail))
    {
    }

    bool Ok() const { return FStatus == TSkinFileStatus::Ok; }
    TSkinFileStatus Status() const { return FStatus; }
    const std::string& Detail() const { return FDetail; }
    // The status text, followed by ": " and the detail when there is one.
    std::string Text() const;

  private:
    TSkinFileStatus FStatus = TSkinFileStatus::Ok;
    std::string FDetail;
};
