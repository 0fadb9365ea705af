#include "test_support.h"

#include "headless/key_script.h"
#include "host.h"
#include "vx_internal.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vxtest {

std::string temp_dir(const std::string &name) {
    const char *base = std::getenv("KELDARY_TEST_TMP");
    // Tests run as separate processes side by side: each gets its own tree.
    fs::path dir = fs::path(base && *base ? base : "/tmp/keldary-tests") /
                   ("p" + std::to_string(getpid())) / name;
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir.string();
}

void open_headless(int w, int h, const std::string &dir) {
    std::string d = dir.empty() ? temp_dir("layer") : dir;
    vxi_layer_shutdown();
    vxi_set_host(vx_headless_host());
    std::string exe = d + "/keldary";
    vxi_layer_startup(exe.c_str(), exe.c_str());
    vx_open_window(w, h);
}

static uint32_t page_pixel(VxBitmap *bm, int x, int y) {
    if (!bm || x < 0 || y < 0 || x >= bm->w || y >= bm->h) return 0xFFFFFFFFu;
    return bm->px[y * bm->w + x];
}

uint32_t pixel(int x, int y) { return page_pixel(vxi_shown_page(), x, y); }
uint32_t back_pixel(int x, int y) { return page_pixel(vxi_back_page(), x, y); }

int count(uint32_t colour, int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (pixel(x, y) == colour) ++n;
    return n;
}

void HomeGuard::set(const std::string &dir) {
    if (!saved) {
        const char *h = std::getenv("HOME");
        had_home = h != nullptr;
        old_home = h ? h : "";
        saved = true;
    }
    setenv("HOME", dir.c_str(), 1);
}

HomeGuard::~HomeGuard() {
    if (!saved) return;
    if (had_home)
        setenv("HOME", old_home.c_str(), 1);
    else
        unsetenv("HOME");
}

std::string read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_file(const std::string &path, const std::string &data) {
    std::ofstream out(path, std::ios::binary);
    out << data;
}

}  // namespace vxtest

#include <png.h>
#include <sys/wait.h>

namespace vxtest {

bool read_png(const std::string &path, int &w, int &h, std::vector<uint32_t> &px) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str())) return false;
    img.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> buf(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, buf.data(), 0, nullptr)) return false;
    w = static_cast<int>(img.width);
    h = static_cast<int>(img.height);
    px.resize(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < px.size(); ++i)
        px[i] = (uint32_t(buf[3 * i]) << 16) | (uint32_t(buf[3 * i + 1]) << 8) | buf[3 * i + 2];
    return true;
}

int run(const std::string &command) {
    int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace vxtest

#include <algorithm>
#include <csignal>

namespace vxtest {

FileSizeLimit::FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    saved_handler_ = std::signal(SIGXFSZ, SIG_IGN); // EFBIG instead of the signal
    rlimit r = saved_;
    r.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &r);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, saved_handler_);
}

void type_script_line(const std::string &line) {
    std::vector<VxScriptEvent> events;
    std::string error;
    vx_parse_key_script_line(line, events, error);
    for (const VxScriptEvent &e : events) {
        if (e.kind == VxScriptEvent::KEY_DOWN) vxi_host_key_down(e.key, e.held);
        if (e.kind == VxScriptEvent::KEY_UP) vxi_host_key_up(e.key, e.held);
        if (e.kind == VxScriptEvent::KEYSYM) vxi_host_keysym(static_cast<unsigned>(e.key));
        vxi_run_queued_keys();
    }
}

std::vector<std::string> list_dir(const std::string &dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vxtest
