#pragma once

#include <chrono>
#include <string>
#include <vector>

// Runs a program to its end with extra environment variables, collecting
// its output. ExitCode is -1 when it did not exit normally or did not end
// within the limit (it is then killed).
struct ProcessResult
{
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// With OutputPath set, standard output goes to that file instead (Out stays
// empty).
ProcessResult RunProcess(const std::string& Program, const std::vector<std::string>& Arguments,
                         const std::vector<std::string>& ExtraEnvironment,
                         std::chrono::milliseconds Limit = std::chrono::milliseconds(15000),
                         const std::string& OutputPath = {});

// A started program whose standard output is read line by line and whose
// standard input is a pipe of the test's.
class RunningProcess
{
  public:
    RunningProcess(const std::string& Program, const std::vector<std::string>& Arguments,
                   const std::vector<std::string>& ExtraEnvironment);
    ~RunningProcess();
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;

    // The next line of output without its newline; empty when none came
    // within Limit or the output ended.
    std::string ReadLine(std::chrono::milliseconds Limit = std::chrono::milliseconds(5000));
    // Sends Signal and waits for the end; the exit code, -1 when killed by a signal.
    int Stop(int Signal);
    // Writes Line and a newline to the program's standard input.
    bool WriteLine(const std::string& Line);

  private:
    int FPid = -1;
    int FOut = -1;
    int FIn = -1; // the program's standard input, held open while it runs
    std::string FPending;
};
