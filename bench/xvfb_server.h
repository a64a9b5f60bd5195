#pragma once
// An Xvfb server of the benchmark's own, on a display it picks itself, for
// as long as the object lives; programs started with display() as DISPLAY
// open real windows on it.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

class XvfbServer {
public:
    XvfbServer() {
        // The server tells its display number on a pipe.
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            if (!std::freopen("/dev/null", "w", stderr)) _exit(126);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The number and its newline may come in separate writes; the pipe
        // stays open while the server runs, since a write into a closed
        // pipe is fatal to it.
        numberPipe_ = fds[0];
        std::string number;
        char c;
        while (number.size() < 8 && read(numberPipe_, &c, 1) == 1 && c != '\n') number += c;
        if (number.empty()) return;
        const std::string name = ":" + number;
        // The server names its display a moment before it takes clients.
        for (int i = 0; i < 100; ++i) {
            if (std::system(("xdpyinfo -display " + name + " >/dev/null 2>&1").c_str()) == 0) {
                display_ = name;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    ~XvfbServer() {
        if (numberPipe_ >= 0) close(numberPipe_);
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // Empty when no server could be started.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    int numberPipe_ = -1;
    std::string display_;
};
