#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace probe {

// A program the probe starts and ends: terminated (then killed) when the object goes.
class ChildProcess {
public:
    // Runs `argv` with `extraEnv` ("NAME=value") added to the probe's environment; its output
    // goes to `logPath`.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                 const std::string& logPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();

    // Makes an interrupt or termination of the probe end the programs it started too.
    static void EndChildrenOnSignal();

private:
    pid_t pid_ = -1;
};

} // namespace probe
