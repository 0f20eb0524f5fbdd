#include "platform/comm/StandardDescriptors.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <initializer_list>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
bool SameFile(const struct stat& A, const struct stat& B)
{
    return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
}

TEST(StandardDescriptors, ClosedOnesAreOpenedOnDevNullAndOpenOnesKept)
{
    struct stat Null
    {
    };
    ASSERT_EQ(stat("/dev/null", &Null), 0);
    // A file that is not /dev/null stands for what the open ones hold.
    char Path[] = "/tmp/novla-std-XXXXXX";
    const int Held = mkstemp(Path);
    ASSERT_GE(Held, 0);
    unlink(Path);
    struct stat HeldFile
    {
    };
    ASSERT_EQ(fstat(Held, &HeldFile), 0);

    const std::initializer_list<int> Cases[] = {{0}, {1}, {2}, {0, 2}, {0, 1, 2}};
    for (const auto& Closed : Cases)
    {
        // The child changes its own descriptors only; it reports by exit code
        // (1 << n: descriptor n is wrong), using system calls alone.
        const pid_t Child = fork();
        ASSERT_GE(Child, 0);
        if (Child == 0)
        {
            for (int Fd = 0; Fd <= 2; ++Fd)
                dup2(Held, Fd);
            for (int Fd : Closed)
                close(Fd);
            if (!EnsureStandardDescriptors()) _exit(64);
            int Wrong = 0;
            for (int Fd = 0; Fd <= 2; ++Fd)
            {
                bool WasClosed = false;
                for (int C : Closed)
                    WasClosed |= C == Fd;
                struct stat Now
                {
                };
                if (fstat(Fd, &Now) != 0 || !SameFile(Now, WasClosed ? Null : HeldFile))
                    Wrong |= 1 << Fd;
            }
            _exit(Wrong);
        }
        int Status = 0;
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
        ASSERT_TRUE(WIFEXITED(Status));
        EXPECT_EQ(WEXITSTATUS(Status), 0)
            << "closed: " << *Closed.begin() << " and " << Closed.size() - 1 << " more";
    }
    close(Held);
}
} // namespace
