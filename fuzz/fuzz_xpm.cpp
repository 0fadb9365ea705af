// XPM data: the input's lines are the strings of the array. A read either
// fails with an error in the log or gives an image whose mask is black or
// white and clear exactly where the image is black, the same on every read,
// and drawable anywhere.
#include "fuzz.h"

#include "test_support.h"
#include "vx_internal.h"

#include <string>
#include <unistd.h>
#include <vector>

namespace {

void open_layer() { vxtest::open_headless(640, 480, fuzz_scratch_dir()); }

bool same_pixels(const VxBitmap *a, const VxBitmap *b) {
    if (a->w != b->w || a->h != b->h) return false;
    for (size_t i = 0; i < static_cast<size_t>(a->w) * a->h; ++i)
        if (a->px[i] != b->px[i]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    open_layer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // An error closes the window; reading goes on without it, and only
    // drawing opens it again.
    const std::string log = fuzz_scratch_dir() + "/Vexdraw.log";
    unlink(log.c_str());
    vxi_free_images();
    // The strings, each ended at its line end, and the array ended by a null
    // pointer: the reader must not look past it.
    std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<const char *> xpm;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (i < text.size()) text[i] = '\0';
            xpm.push_back(text.c_str() + start);
            start = i + 1;
        }
    }
    xpm.push_back(nullptr);

    VxImage img = vx_read_xpm(xpm.data());
    bool error = vxtest::read_file(log).find("Error: ") != std::string::npos;
    if (img.height == 0) {
        FUZZ_CHECK(error, "a failed read reported no error");
        return 0;
    }
    FUZZ_CHECK(!error, "an image read with an error");
    FUZZ_CHECK(img.width > 0 && img.image && img.mask, "an image without bitmaps");
    FUZZ_CHECK(img.image->w == img.width && img.image->h == img.height && img.mask->w == img.width &&
                   img.mask->h == img.height,
               "bitmaps of another size than the image");
    for (size_t i = 0; i < static_cast<size_t>(img.width) * img.height; ++i) {
        uint32_t m = img.mask->px[i];
        FUZZ_CHECK(m == 0x000000 || m == 0xFFFFFF, "a mask pixel neither black nor white");
        FUZZ_CHECK(m == 0 || img.image->px[i] == 0, "a clear pixel that is not black");
    }
    VxImage again = vx_read_xpm(xpm.data());
    FUZZ_CHECK(again.height == img.height && same_pixels(again.image, img.image) && same_pixels(again.mask, img.mask),
               "a second read gives another image");

    if (vxi_quit_posted()) open_layer(); // the images stay valid
    const int at[][2] = {{0, 0}, {-img.width / 2, -img.height / 2}, {639, 479}, {-img.width, 0}, {320, -5}};
    for (const auto &p : at) {
        vx_draw_image(p[0], p[1], img.width, img.height, img.image, img.mask);
        vx_draw_image_back(p[0], p[1], img.width + 3, img.height - 1, img.image, nullptr);
    }
    return 0;
}
