#include "ChildProcess.h"

#include "Clock.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace probe {

namespace {

// Plain storage a signal handler may read.
constexpr int MaxChildren = 8;
volatile pid_t children[MaxChildren] = {};

void Remember(pid_t pid) {
    for (volatile pid_t& slot : children)
        if (slot == 0) {
            slot = pid;
            return;
        }
}

void Forget(pid_t pid) {
    for (volatile pid_t& slot : children)
        if (slot == pid)
            slot = 0;
}

void EndChildrenAndExit(int) {
    for (const volatile pid_t& slot : children)
        if (slot > 0)
            kill(slot, SIGTERM);
    _exit(1);
}

} // namespace

void ChildProcess::EndChildrenOnSignal() {
    signal(SIGINT, EndChildrenAndExit);
    signal(SIGTERM, EndChildrenAndExit);
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& extraEnv, const std::string& logPath) {
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
        const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            close(log);
        }
        for (const std::string& assignment : extraEnv)
            putenv(const_cast<char*>(assignment.c_str()));
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    Remember(pid_);
}

ChildProcess::~ChildProcess() {
    if (!Running())
        return;
    kill(pid_, SIGTERM);
    const std::int64_t deadline = NowNs() + 2'000'000'000;
    while (Running() && NowNs() < deadline)
        SleepUntil(NowNs() + 20'000'000);
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        Forget(pid_);
    }
}

bool ChildProcess::Running() {
    if (pid_ <= 0)
        return false;
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        Forget(pid_);
        pid_ = -1;
    }
    return pid_ > 0;
}

} // namespace probe
