#include "framework/ProgramPath.h"

#include <filesystem>
#include <system_error>

std::string ProgramFileName()
{
    std::error_code Error;
    const std::filesystem::path Path = std::filesystem::read_symlink("/proc/self/exe", Error);
    return Error ? std::string() : Path.string();
}

std::string ProgramFolder()
{
    const std::string File = ProgramFileName();
    const size_t Slash = File.rfind('/');
    return Slash == std::string::npos ? std::string() : File.substr(0, Slash + 1);
}
