// Helpers shared by the unit tests.
#pragma once

#include <cstdint>
#include <string>

struct VxBitmap;

namespace vxtest {

// A fresh empty directory for one test, under KELDARY_TEST_TMP (or /tmp).
std::string temp_dir(const std::string &name);

// Starts the layer on the headless host with its program directory set to
// dir (a temp dir when empty) and opens a w x h window. Safe to call again:
// each call starts from a clean layer state.
void open_headless(int w = 640, int h = 480, const std::string &dir = "");

// The pixel of the shown page at (x, y), 0x00RRGGBB; 0xFFFFFFFF outside.
uint32_t pixel(int x, int y);
uint32_t back_pixel(int x, int y);

// Counts the pixels of the shown page equal to colour in the rectangle
// (x1,y1)-(x2,y2), both corners included.
int count(uint32_t colour, int x1, int y1, int x2, int y2);

// Points HOME at a directory until it is destroyed, then puts HOME back as
// it was (or unset).
class HomeGuard {
public:
    void set(const std::string &dir);
    ~HomeGuard();

private:
    bool saved = false, had_home = false;
    std::string old_home;
};

// Reads a whole file; empty when missing.
std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &data);

// The bytes of a UTF-8 literal. Narrow literals are Shift-JIS (the sources
// are compiled with a Shift-JIS execution character set); transcripts and
// the layer's diagnostics are UTF-8.
inline std::string utf8(const char8_t *s) { return reinterpret_cast<const char *>(s); }

}  // namespace vxtest

#include <vector>
namespace vxtest {
// Reads an 8-bit RGB or RGBA PNG into 0x00RRGGBB pixels; false on failure.
bool read_png(const std::string &path, int &w, int &h, std::vector<uint32_t> &px);
// Runs a shell command; returns its exit status (-1 when it did not exit).
int run(const std::string &command);
}  // namespace vxtest

#include <sys/resource.h>
namespace vxtest {
// While it lives, files this process writes cannot grow past limit bytes
// (a full disk without mounting one): writes beyond fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*saved_handler_)(int) = nullptr;
};
// The names in a directory, sorted.
std::vector<std::string> list_dir(const std::string &dir);
// Types one key-script line through the layer's key translation, handling
// each key at once as the main loop would; screenshots are not taken.
void type_script_line(const std::string &line);
}  // namespace vxtest
