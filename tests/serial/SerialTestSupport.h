#pragma once

#include "platform/comm/PortLock.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/PseudoTerminal.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Private link folders in a temp folder, and helpers to play the far end of
// a port on a pseudo-terminal.
struct PortFixture : ::testing::Test
{
    TempFolder Root;
    PortFolders Folders{Root.Path() + "/config/ports", Root.Path() + "/run/ports"};

    void SetUp() override
    {
        ASSERT_TRUE(EnsurePrivateFolder(Folders.User).Ok());
        ASSERT_TRUE(EnsurePrivateFolder(Folders.Runtime).Ok());
    }

    PortMap Map() const { return PortMap(Folders); }

    std::vector<std::unique_ptr<PortLock>> Owners; // what a registering module holds

    // A runtime link to Device, owned by this test as long as it runs.
    void Link(int Number, const std::string& Device)
    {
        Owners.push_back(std::make_unique<PortLock>());
        ASSERT_TRUE(Owners.back()->Acquire(Folders.Runtime, Number).Ok());
        ASSERT_EQ(symlink(Device.c_str(), (Folders.Runtime + "/" + LinkFileName(Number)).c_str()),
                  0);
    }

    static void PeerWrite(const PseudoTerminal& Peer, const Bytes& Data)
    {
        size_t Done = 0;
        while (Done < Data.size())
        {
            const ssize_t N = write(Peer.MasterFd(), Data.data() + Done, Data.size() - Done);
            if (N > 0)
            {
                Done += static_cast<size_t>(N);
                continue;
            }
            pollfd Watch{Peer.MasterFd(), POLLOUT, 0};
            ASSERT_GT(poll(&Watch, 1, 2000), 0) << "peer write stalled";
        }
    }

    // Reads from the peer until Count bytes arrived or Limit passed.
    static Bytes PeerRead(const PseudoTerminal& Peer, size_t Count,
                          std::chrono::milliseconds Limit = std::chrono::milliseconds(3000))
    {
        Bytes Got;
        const auto Deadline = std::chrono::steady_clock::now() + Limit;
        while (Got.size() < Count && std::chrono::steady_clock::now() < Deadline)
        {
            pollfd Watch{Peer.MasterFd(), POLLIN, 0};
            if (poll(&Watch, 1, 50) <= 0) continue;
            uint8_t Chunk[4096];
            const ssize_t N = read(Peer.MasterFd(), Chunk, sizeof Chunk);
            if (N > 0) Got.insert(Got.end(), Chunk, Chunk + N);
        }
        return Got;
    }
};
