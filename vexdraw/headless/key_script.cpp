#include "key_script.h"

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

}  // namespace

void vx_parse_key_script_line(const std::string &line, std::vector<VxScriptEvent> &out,
                              std::string &error) {
    std::string text = line;
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
                    error += "unknown key {" + name + "}; ";
                    i = close;
                    continue;
                }
            }
        }
        int key = 0, shifted = 0;
        if (c >= 0x80 || vxi_key_for_char(c, &key, &shifted) != 0) {
            error += "no key types the byte " + std::to_string(c) + "; ";
            continue;
        }
        if (shifted)
            press_with(out, VK_SHIFT, key);
        else
            press(out, key, VxModifiers{});
    }
    if (final_return) press(out, VK_RETURN, VxModifiers{});
}
