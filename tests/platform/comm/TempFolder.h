#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh private folder under the system temp folder, removed with all its
// contents on destruction.
class TempFolder
{
  public:
    TempFolder()
    {
        std::string Pattern =
            (std::filesystem::temp_directory_path() / "novla-test-XXXXXX").string();
        FPath = mkdtemp(Pattern.data()) ? Pattern : std::string();
    }
    ~TempFolder()
    {
        std::error_code Ignored;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, Ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return FPath; }

  private:
    std::string FPath;
};
