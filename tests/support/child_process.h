// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tamsel-cli (or a shell line) run as a child process, for what only a real
// process shows: streams held open, peak memory, limits, signals.

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace tamsel::test {

// A child running `sh -c command`, with pipes to its standard input and
// from its standard output.
class Child {
public:
    explicit Child(const std::string& command) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], STDIN_FILENO);
            dup2(out[1], STDOUT_FILENO);
            close(in[0]), close(in[1]), close(out[0]), close(out[1]);
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]), close(out[1]);
        toChild_ = in[1];
        fromChild_ = out[0];
    }
    ~Child() {
        CloseInput();
        if (fromChild_ >= 0) close(fromChild_);
        if (pid_ > 0) Wait();
    }

    bool Write(const std::string& text) {
        return write(toChild_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }
    void CloseInput() {
        if (toChild_ >= 0) close(toChild_);
        toChild_ = -1;
    }
    // Stops reading: the child's next write meets a closed pipe.
    void CloseOutput() {
        if (fromChild_ >= 0) close(fromChild_);
        fromChild_ = -1;
    }
    // Reads until a line end arrives or `seconds` pass; what came.
    std::string ReadLine(int seconds) {
        std::string line;
        pollfd ready{fromChild_, POLLIN, 0};
        char c = 0;
        while (line.find('\n') == std::string::npos && poll(&ready, 1, seconds * 1000) > 0 &&
               read(fromChild_, &c, 1) == 1) {
            line += c;
        }
        return line;
    }
    // Waits for the end; the status as a shell reports it, and the peak
    // memory of the child in KB in `peakKilobytes`.
    int Wait(long* peakKilobytes = nullptr) {
        int status = 0;
        rusage usage{};
        wait4(pid_, &status, 0, &usage);
        pid_ = -1;
        if (peakKilobytes != nullptr) *peakKilobytes = usage.ru_maxrss;
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
};

}  // namespace tamsel::test
