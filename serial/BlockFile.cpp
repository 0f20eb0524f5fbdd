#include "serial/BlockFile.h"

#include "protocol/BlockJson.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

bool ReadBoundedFile(const std::string& Path, size_t Limit, std::string& Text, std::string& Error)
{
    Text.clear();
    const std::unique_ptr<FILE, int (*)(FILE*)> File(std::fopen(Path.c_str(), "rb"), &std::fclose);
    if (!File)
    {
        Error = "cannot read " + Path + ": " + std::strerror(errno);
        return false;
    }
    struct stat Info
    {
    };
    if (fstat(fileno(File.get()), &Info) == 0 && S_ISDIR(Info.st_mode))
    {
        Error = "cannot read " + Path + ": it is a folder";
        return false;
    }
    char Chunk[4096];
    for (;;)
    {
        const size_t Got = std::fread(Chunk, 1, sizeof Chunk, File.get());
        if (Text.size() + Got > Limit)
        {
            Error = Path + " holds more than " + std::to_string(Limit / 1024) + " KiB";
            return false;
        }
        Text.append(Chunk, Got);
        if (Got < sizeof Chunk) break;
    }
    if (std::ferror(File.get()))
    {
        Error = "cannot read " + Path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::string& Path, const std::string& Text, mode_t Mode,
                         std::string& Error)
{
    std::string Temporary = Path + ".XXXXXX";
    const int Fd = mkostemp(Temporary.data(), O_CLOEXEC);
    if (Fd < 0)
    {
        Error = "cannot write " + Path + ": " + std::strerror(errno);
        return false;
    }
    bool Written = fchmod(Fd, Mode) == 0;
    for (size_t Done = 0; Written && Done < Text.size();)
    {
        const ssize_t Put = write(Fd, Text.data() + Done, Text.size() - Done);
        if (Put < 0 && errno == EINTR) continue;
        Written = Put > 0;
        if (Written) Done += static_cast<size_t>(Put);
    }
    Written = Written && fsync(Fd) == 0;
    const int WriteErrno = errno;
    if (close(Fd) != 0 || !Written || rename(Temporary.c_str(), Path.c_str()) != 0)
    {
        Error = "cannot write " + Path + ": " + std::strerror(Written ? errno : WriteErrno);
        unlink(Temporary.c_str());
        return false;
    }
    return true;
}

bool LoadBlockFile(const std::string& Path, ModuleParameters& Block, std::string& Error)
{
    std::string Text;
    if (!ReadBoundedFile(Path, MaxJsonFileSize, Text, Error)) return false;
    if (ApplyBlockJson(Text, Block, Error)) return true;
    Error = Path + ": " + Error;
    return false;
}

bool SaveBlockFile(const std::string& Path, const ModuleParameters& Block, std::string& Error)
{
    return WriteFileAtomically(Path, BlockToJson(Block) + "\n", 0644, Error);
}
