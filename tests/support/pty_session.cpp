#include "pty_session.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace vxtest {

namespace {

// <chrono> cannot be used here: its "µs" literal has no Shift-JIS form.
long now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000L + ts.tv_nsec / 1000000L;
}

}  // namespace

bool PtySession::start(const std::string &command, int cols, int rows, int xpixel, int ypixel) {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(cols);
    ws.ws_row = static_cast<unsigned short>(rows);
    ws.ws_xpixel = static_cast<unsigned short>(xpixel);
    ws.ws_ypixel = static_cast<unsigned short>(ypixel);
    pid_ = forkpty(&fd_, nullptr, nullptr, &ws);
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    return true;
}

PtySession::~PtySession() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (fd_ >= 0) close(fd_);
}

void PtySession::drain(int timeout_ms) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeout_ms) <= 0) return;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n <= 0) return;
        out_.append(buf, static_cast<size_t>(n));
    }
}

void PtySession::type(const std::string &bytes) {
    size_t at = 0;
    long deadline = now_ms() + 60000;
    while (at < bytes.size() && now_ms() < deadline) {
        ssize_t n = write(fd_, bytes.data() + at, bytes.size() - at);
        if (n > 0) at += static_cast<size_t>(n);
        if (n < 0 && errno != EAGAIN && errno != EINTR) return;
        drain(n > 0 ? 0 : 10);
    }
}

bool PtySession::wait_for(const std::string &text, int timeout_ms) {
    long deadline = now_ms() + timeout_ms;
    for (;;) {
        size_t found = out_.find(text, mark_);
        if (found != std::string::npos) {
            mark_ = found + text.size();
            return true;
        }
        long left = deadline - now_ms();
        if (left <= 0) return false;
        drain(static_cast<int>(left < 100 ? left : 100));
    }
}

void PtySession::resize(int cols, int rows) {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(cols);
    ws.ws_row = static_cast<unsigned short>(rows);
    ioctl(fd_, TIOCSWINSZ, &ws);
}

void PtySession::signal(int sig) {
    if (pid_ > 0) kill(pid_, sig);
}

int PtySession::wait_exit(int timeout_ms) {
    if (pid_ <= 0) return -1;
    long deadline = now_ms() + timeout_ms;
    for (;;) {
        drain(20);
        int status = 0;
        pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            drain(0);
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (now_ms() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return -1;
        }
    }
}

}  // namespace vxtest
