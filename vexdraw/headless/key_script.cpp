#include "key_script.h"

#include <cstdio>
#include <cstring>

namespace {

struct NamedKey {
    const char *name;
    int key;
};

constexpr NamedKey named_keys[] = {
    {"Return", VK_RETURN}, {"BackSpace", VK_BACK}, {"Tab", VK_TAB},     {"Escape", VK_ESCAPE},
    {"Delete", VK_DELETE}, {"Up", VK_UP},          {"Down", VK_DOWN},   {"Left", VK_LEFT},
    {"Right", VK_RIGHT},   {"PageUp", VK_PRIOR},   {"PageDown", VK_NEXT},
};

void press(std::vector<VxScriptEvent> &out, int key, VxModifiers held) {
    out.push_back({VxScriptEvent::KEY_DOWN, key, held, {}});
    out.push_back({VxScriptEvent::KEY_UP, key, held, {}});
}

// A key pressed while a modifier (generic code mod) is held.
void press_with(std::vector<VxScriptEvent> &out, int mod, int key) {
    VxModifiers held{};
    if (mod == VK_SHIFT) held.shift = 1;
    if (mod == VK_CONTROL) held.control = 1;
    out.push_back({VxScriptEvent::KEY_DOWN, mod, held, {}});
    press(out, key, held);
    out.push_back({VxScriptEvent::KEY_UP, mod, VxModifiers{}, {}});
}

// Returns false when name is not a known special key.
bool named(const std::string &name, std::vector<VxScriptEvent> &out) {
    for (const NamedKey &n : named_keys) {
        if (name == n.name) {
            press(out, n.key, VxModifiers{});
            return true;
        }
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int f = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9' || f > 12) return false;
            f = f * 10 + (name[i] - '0');
        }
        if (f < 1 || f > 12) return false;
        press(out, VK_F1 + f - 1, VxModifiers{});
        return true;
    }
    if (name.size() == 3 && name[0] == 'C' && name[1] == '-' && name[2] >= 'a' && name[2] <= 'z') {
        press_with(out, VK_CONTROL, 'A' + (name[2] - 'a'));
        return true;
    }
    return false;
}

// The keyboard character for a character typed through an input method:
// full-width letters, digits and signs and the full-width space are typed
// as their ASCII keys.
uint32_t keyboard_char(uint32_t cp) {
    if (cp == 0x3000) return ' ';
    if (cp >= 0xFF01 && cp <= 0xFF5E) return cp - 0xFEE0;
    return cp;
}

bool is_kana(uint32_t cp) {
    return (cp >= 0x3041 && cp <= 0x3094) || (cp >= 0x309B && cp <= 0x309E) ||
           (cp >= 0x30A1 && cp <= 0x30F6) || (cp >= 0x30FC && cp <= 0x30FE);
}

// Types an ASCII character; false when no key sends it.
bool type_ascii(unsigned c, std::vector<VxScriptEvent> &out) {
    int key = 0, shifted = 0;
    if (c >= 0x80 || vxi_key_for_char(c, &key, &shifted) != 0) return false;
    if (shifted)
        press_with(out, VK_SHIFT, key);
    else
        press(out, key, VxModifiers{});
    return true;
}

// Keeps the first problem of a line and counts the others, so that a line
// of rubbish gives one short message.
void problem(std::string &error, int &count, const std::string &text) {
    if (count++ == 0) error += text;
}

}  // namespace

bool vx_script_can_type(uint32_t cp) {
    int key = 0, shifted = 0;
    cp = keyboard_char(cp);
    return cp < 0x80 ? vxi_key_for_char(cp, &key, &shifted) == 0 : is_kana(cp);
}

void vx_parse_key_script_line(const std::string &line, std::vector<VxScriptEvent> &out,
                              std::string &error) {
    std::string text = line;
    int problems = 0;
    bool final_return = true;
    if (text.size() >= 4 && text.compare(text.size() - 4, 4, "{nr}") == 0) {
        text.resize(text.size() - 4);
        final_return = false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '{') {
            size_t close = text.find('}', i + 1);
            if (close != std::string::npos) {
                std::string name = text.substr(i + 1, close - i - 1);
                if (name.compare(0, 5, "shot ") == 0) {
                    out.push_back({VxScriptEvent::SHOT, 0, VxModifiers{}, name.substr(5)});
                    i = close;
                    continue;
                }
                if (named(name, out)) {
                    i = close;
                    continue;
                }
                if (name.find('{') == std::string::npos && !name.empty()) {
                    problem(error, problems, "unknown key {" + name + "}");
                    i = close;
                    continue;
                }
            }
        }
        if (c < 0x80) {
            if (!type_ascii(c, out)) problem(error, problems, "no key types the byte " + std::to_string(c));
            continue;
        }
        // A character typed through an input method.
        uint32_t cp = 0;
        int n = vxi_utf8_decode(text.data() + i, text.size() - i, &cp);
        if (n < 0) {
            problem(error, problems, "the byte " + std::to_string(c) + " is not UTF-8");
            continue;
        }
        i += static_cast<size_t>(n) - 1;
        uint32_t k = keyboard_char(cp);
        if (k < 0x80 ? !type_ascii(k, out) : !is_kana(k)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            problem(error, problems, std::string("no key types ") + code);
        } else if (k >= 0x80) {
            out.push_back({VxScriptEvent::KEYSYM, static_cast<int>(VX_KEY_UNICODE | k), VxModifiers{}, {}});
        }
    }
    if (problems > 1) error += " (and " + std::to_string(problems - 1) + " more)";
    if (final_return) press(out, VK_RETURN, VxModifiers{});
}

bool vx_read_script_line(std::FILE *file, std::string &line, bool &cut) {
    line.clear();
    cut = false;
    int c;
    bool any = false;
    while ((c = std::getc(file)) != EOF && c != '\n') {
        any = true;
        if (line.size() < VX_SCRIPT_LINE_MAX)
            line.push_back(static_cast<char>(c));
        else
            cut = true;
    }
    if (c == EOF && !any) return false;
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool vx_take_script_line(std::string &text, std::string &line, bool &cut) {
    if (text.empty()) return false;
    size_t nl = text.find('\n');
    size_t len = nl == std::string::npos ? text.size() : nl;
    cut = len > VX_SCRIPT_LINE_MAX;
    line.assign(text, 0, cut ? VX_SCRIPT_LINE_MAX : len);
    text.erase(0, nl == std::string::npos ? text.size() : nl + 1);
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
