// A program run in a pseudo-terminal, as a player's terminal would run it:
// the test types bytes and waits for text to appear on the screen side.
#pragma once

#include <string>
#include <sys/types.h>

namespace vxtest {

class PtySession {
public:
    // Starts command (through /bin/sh -c) in a terminal of cols x rows
    // cells and xpixel x ypixel pixels. False when it could not start.
    bool start(const std::string &command, int cols = 100, int rows = 40, int xpixel = 0, int ypixel = 0);
    ~PtySession();

    // Types bytes, reading the output meanwhile so that neither side stalls.
    void type(const std::string &bytes);
    // Waits until text has appeared since the mark; true when it did, false
    // after timeout_ms. The mark then moves past it.
    bool wait_for(const std::string &text, int timeout_ms = 30000);
    // All output since the start, and since the mark.
    const std::string &output() const { return out_; }
    std::string since_mark() const { return out_.substr(mark_); }
    void set_mark() { mark_ = out_.size(); }
    // Changes the terminal size (the program gets SIGWINCH).
    void resize(int cols, int rows);
    void signal(int sig);
    // Waits for the program to end: its exit status, or -1 (killed when
    // it has not ended within timeout_ms).
    int wait_exit(int timeout_ms = 30000);

private:
    void drain(int timeout_ms);
    int fd_ = -1;
    pid_t pid_ = -1;
    std::string out_;
    size_t mark_ = 0;
};

}  // namespace vxtest
