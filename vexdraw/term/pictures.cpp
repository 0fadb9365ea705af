// Pictures for the terminal: sixel and kitty graphics images, and braille
// or half-block text art for terminals without graphics.
#include "term_internal.h"

#include <algorithm>
#include <map>
#include <zlib.h>

namespace {

constexpr int SIXEL_MAX_COLOURS = 256;
constexpr size_t KITTY_CHUNK = 4096; // base64 bytes of one escape sequence

bool lit(uint32_t rgb) {
    int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r * 3 + g * 6 + b > 64 * 10; // brighter than dark grey
}

// Appends the UTF-8 form of a code point below U+10000.
void put_utf8(std::string &out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool dot(const VxtImage &img, int x, int y) { return x < img.w && y < img.h && lit(img.px[y * img.w + x]); }

// A run of one sixel character, compressed when it pays.
void put_run(std::string &out, char c, int n) {
    if (n > 3) {
        out += '!' + std::to_string(n) + c;
    } else {
        out.append(static_cast<size_t>(n), c);
    }
}

std::string base64(const unsigned char *data, size_t n) {
    static constexpr char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((n + 2) / 3 * 4);
    for (size_t i = 0; i < n; i += 3) {
        uint32_t v = static_cast<uint32_t>(data[i]) << 16;
        if (i + 1 < n) v |= static_cast<uint32_t>(data[i + 1]) << 8;
        if (i + 2 < n) v |= data[i + 2];
        out += digits[(v >> 18) & 63];
        out += digits[(v >> 12) & 63];
        out += i + 1 < n ? digits[(v >> 6) & 63] : '=';
        out += i + 2 < n ? digits[v & 63] : '=';
    }
    return out;
}

}  // namespace

VxtImage vxt_crop(const VxBitmap *bm, int x, int y, int w, int h) {
    VxtImage img;
    if (!bm) return img;
    int x2 = std::min(x + w, bm->w), y2 = std::min(y + h, bm->h);
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (x2 <= x || y2 <= y) return img;
    img.w = x2 - x;
    img.h = y2 - y;
    img.px.resize(static_cast<size_t>(img.w) * img.h);
    for (int r = 0; r < img.h; ++r)
        std::copy_n(bm->px + static_cast<size_t>(y + r) * bm->w + x, img.w, img.px.begin() + r * img.w);
    return img;
}

VxtImage vxt_shrink(const VxtImage &img, int w, int h) {
    if (w <= 0 || h <= 0 || img.w == 0 || img.h == 0) return VxtImage{};
    if (w >= img.w && h >= img.h) return img;
    w = std::min(w, img.w);
    h = std::min(h, img.h);
    VxtImage out;
    out.w = w;
    out.h = h;
    out.px.assign(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        int sy1 = static_cast<int>(static_cast<long>(y) * img.h / h);
        int sy2 = std::max(sy1 + 1, static_cast<int>(static_cast<long>(y + 1) * img.h / h));
        for (int x = 0; x < w; ++x) {
            int sx1 = static_cast<int>(static_cast<long>(x) * img.w / w);
            int sx2 = std::max(sx1 + 1, static_cast<int>(static_cast<long>(x + 1) * img.w / w));
            uint32_t r = 0, g = 0, b = 0;
            for (int sy = sy1; sy < sy2; ++sy) {
                for (int sx = sx1; sx < sx2; ++sx) {
                    uint32_t p = img.px[static_cast<size_t>(sy) * img.w + sx];
                    r = std::max(r, p & 0xFF0000);
                    g = std::max(g, p & 0x00FF00);
                    b = std::max(b, p & 0x0000FF);
                }
            }
            out.px[static_cast<size_t>(y) * w + x] = r | g | b;
        }
    }
    return out;
}

std::string vxt_sixel(const VxtImage &src) {
    if (src.w == 0 || src.h == 0) return "";
    // The palette: every colour of the image, in order of appearance.
    std::map<uint32_t, int> index;
    for (uint32_t p : src.px) {
        if (index.size() > SIXEL_MAX_COLOURS) break;
        index.emplace(p, static_cast<int>(index.size()));
    }
    VxtImage img = src;
    if (index.size() > SIXEL_MAX_COLOURS) {
        for (uint32_t &p : img.px) p = lit(p) ? 0xFFFFFF : 0;
        index = {{0, 0}, {0xFFFFFF, 1}};
    }
    std::vector<uint32_t> colours(index.size());
    for (const auto &[rgb, i] : index) colours[static_cast<size_t>(i)] = rgb;
    std::vector<int> of(img.px.size());
    for (size_t i = 0; i < img.px.size(); ++i) of[i] = index[img.px[i]];

    // Square pixels, every pixel painted (no transparency).
    std::string out = "\x1bP0;1;0q\"1;1;" + std::to_string(img.w) + ";" + std::to_string(img.h);
    for (size_t c = 0; c < colours.size(); ++c) {
        uint32_t rgb = colours[c];
        auto pct = [](uint32_t v) { return std::to_string((v * 100 + 127) / 255); };
        out += "#" + std::to_string(c) + ";2;" + pct((rgb >> 16) & 0xFF) + ";" + pct((rgb >> 8) & 0xFF) + ";" +
               pct(rgb & 0xFF);
    }
    std::vector<unsigned char> bits(static_cast<size_t>(img.w));
    for (int band = 0; band < img.h; band += 6) {
        bool first = true;
        for (size_t c = 0; c < colours.size(); ++c) {
            bool any = false;
            for (int x = 0; x < img.w; ++x) {
                unsigned char b = 0;
                for (int k = 0; k < 6 && band + k < img.h; ++k)
                    if (of[static_cast<size_t>(band + k) * img.w + x] == static_cast<int>(c)) b |= 1u << k;
                bits[static_cast<size_t>(x)] = b;
                any = any || b;
            }
            if (!any) continue;
            if (!first) out += '$'; // back to the band's start for the next colour
            first = false;
            out += '#' + std::to_string(c);
            int end = img.w;
            while (end > 0 && bits[static_cast<size_t>(end - 1)] == 0) --end;
            for (int x = 0; x < end;) {
                int n = 1;
                while (x + n < end && bits[static_cast<size_t>(x + n)] == bits[static_cast<size_t>(x)]) ++n;
                put_run(out, static_cast<char>(63 + bits[static_cast<size_t>(x)]), n);
                x += n;
            }
        }
        out += '-';
    }
    out += "\x1b\\";
    return out;
}

std::string vxt_kitty(const VxtImage &img, int cols, int rows) {
    if (img.w == 0 || img.h == 0) return "";
    std::vector<unsigned char> rgb;
    rgb.reserve(img.px.size() * 3);
    for (uint32_t p : img.px) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    uLongf packed_len = compressBound(static_cast<uLong>(rgb.size()));
    std::vector<unsigned char> packed(packed_len);
    bool zipped = compress2(packed.data(), &packed_len, rgb.data(), static_cast<uLong>(rgb.size()), 6) == Z_OK;
    std::string data = zipped ? base64(packed.data(), packed_len) : base64(rgb.data(), rgb.size());
    std::string out;
    for (size_t at = 0; at < data.size() || at == 0; at += KITTY_CHUNK) {
        bool more = at + KITTY_CHUNK < data.size();
        out += "\x1b_G";
        if (at == 0) {
            out += "a=T,f=24,q=2,s=" + std::to_string(img.w) + ",v=" + std::to_string(img.h);
            if (cols > 0) out += ",c=" + std::to_string(cols);
            if (rows > 0) out += ",r=" + std::to_string(rows);
            if (zipped) out += ",o=z";
            out += ",";
        }
        out += more ? "m=1;" : "m=0;";
        out += data.substr(at, KITTY_CHUNK);
        out += "\x1b\\";
    }
    return out;
}

std::string vxt_braille(const VxtImage &img) {
    // Dot numbering of the braille cell: bit i of the code sets dot i + 1.
    static constexpr int bit_of[4][2] = {{0x01, 0x08}, {0x02, 0x10}, {0x04, 0x20}, {0x40, 0x80}};
    std::string out;
    for (int y = 0; y < img.h; y += 4) {
        for (int x = 0; x < img.w; x += 2) {
            int code = 0;
            for (int dy = 0; dy < 4; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    if (dot(img, x + dx, y + dy)) code |= bit_of[dy][dx];
            put_utf8(out, 0x2800 + static_cast<uint32_t>(code));
        }
        out += '\n';
    }
    return out;
}

std::string vxt_half_blocks(const VxtImage &img) {
    std::string out;
    for (int y = 0; y < img.h; y += 2) {
        for (int x = 0; x < img.w; ++x) {
            bool top = dot(img, x, y), bottom = dot(img, x, y + 1);
            put_utf8(out, top && bottom ? 0x2588 : top ? 0x2580 : bottom ? 0x2584 : ' ');
        }
        out += '\n';
    }
    return out;
}
