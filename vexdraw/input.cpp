// Input state: host key codes translated into X keysyms, the key queue,
// the key-down map and the pending mouse buttons.
#include "vx_internal.h"

#include <array>
#include <cstring>

namespace {

// One row per host key: the key's own keysym (for vx_key_is_down), the
// keysym sent unshifted and the one sent with Shift (0: nothing).
struct KeyRow {
    unsigned short host;
    unsigned short own;
    unsigned short plain;
    unsigned short shifted;
};

constexpr std::array<KeyRow, 98> key_table = {{
    {164, 65513, 65513, 65513}, {165, 65514, 65514, 65514},
    {8, 65288, 8, 8},           {9, 65289, 9, 9},
    {13, 65293, 13, 13},        {160, 65505, 65505, 65505},
    {161, 65506, 65506, 65506}, {162, 65507, 65507, 65507},
    {163, 65508, 65508, 65508}, {27, 65307, 27, 27},
    {32, 32, 32, 32},           {33, 65365, 65365, 65365},
    {34, 65366, 65366, 65366},  {35, 65367, 65367, 65367},
    {36, 65360, 65360, 65360},  {37, 65361, 65361, 65361},
    {38, 65362, 65362, 65362},  {39, 65363, 65363, 65363},
    {40, 65364, 65364, 65364},  {45, 65379, 65379, 65379},
    {46, 65535, 127, 127},
    // Digits; the shifted symbols follow the Japanese keyboard layout.
    {48, 48, 48, 0},  {49, 49, 49, 33}, {50, 50, 50, 34}, {51, 51, 51, 35},
    {52, 52, 52, 36}, {53, 53, 53, 37}, {54, 54, 54, 38}, {55, 55, 55, 39},
    {56, 56, 56, 40}, {57, 57, 57, 41},
    // Letters.
    {65, 65, 97, 65},  {66, 66, 98, 66},   {67, 67, 99, 67},   {68, 68, 100, 68},
    {69, 69, 101, 69}, {70, 70, 102, 70},  {71, 71, 103, 71},  {72, 72, 104, 72},
    {73, 73, 105, 73}, {74, 74, 106, 74},  {75, 75, 107, 75},  {76, 76, 108, 76},
    {77, 77, 109, 77}, {78, 78, 110, 78},  {79, 79, 111, 79},  {80, 80, 112, 80},
    {81, 81, 113, 81}, {82, 82, 114, 82},  {83, 83, 115, 83},  {84, 84, 116, 84},
    {85, 85, 117, 85}, {86, 86, 118, 86},  {87, 87, 119, 87},  {88, 88, 120, 88},
    {89, 89, 121, 89}, {90, 90, 122, 90},
    // Keypad: shifted digits send the keypad navigation keysyms.
    {96, 65456, 48, 65438},  {97, 65457, 49, 65436},  {98, 65458, 50, 65433},
    {99, 65459, 51, 65435},  {100, 65460, 52, 65430}, {101, 65461, 53, 65437},
    {102, 65462, 54, 65432}, {103, 65463, 55, 65429}, {104, 65464, 56, 65431},
    {105, 65465, 57, 65434}, {106, 65450, 42, 42},    {107, 65451, 43, 43},
    {108, 65452, 44, 0},     {109, 65453, 45, 45},    {110, 65454, 46, 65439},
    {111, 65455, 47, 47},
    // Function keys.
    {112, 65470, 65470, 65470}, {113, 65471, 65471, 65471}, {114, 65472, 65472, 65472},
    {115, 65473, 65473, 65473}, {116, 65474, 65474, 65474}, {117, 65475, 65475, 65475},
    {118, 65476, 65476, 65476}, {119, 65477, 65477, 65477}, {120, 65478, 65478, 65478},
    {121, 65479, 65479, 65479}, {122, 65480, 65480, 65480}, {123, 65481, 65481, 65481},
    // Punctuation keys of the Japanese layout.
    {186, 58, 58, 42},  {187, 59, 59, 43},  {188, 44, 44, 60},  {189, 45, 45, 61},
    {190, 46, 46, 62},  {191, 47, 47, 63},  {192, 64, 64, 96},  {219, 91, 91, 123},
    {220, 92, 92, 124}, {221, 93, 93, 125}, {222, 94, 94, 126}, {223, 95, 92, 95},
    {226, 95, 92, 95},
}};

// Extra rows so that shifted characters can be asked for as well.
struct ExtraRow {
    unsigned short keysym;
    unsigned short host;
};
constexpr std::array<ExtraRow, 16> extra_rows = {{
    {33, 49}, {34, 50}, {35, 51}, {36, 52}, {37, 53}, {38, 54}, {39, 55}, {40, 56},
    {41, 57}, {42, 186}, {43, 187}, {60, 188}, {61, 189}, {62, 190}, {63, 191}, {96, 192},
}};

struct KeyEvent {
    unsigned keysym;
    int down;
};

std::array<unsigned short, 256> plain_of{};   // host key -> keysym sent
std::array<unsigned short, 256> shifted_of{};
std::array<unsigned short, 65536> host_of{};  // keysym -> host key (0: none)

std::array<KeyEvent, VX_KEY_QUEUE_SIZE> queue{};
int queue_read = 0;
int queue_write = 0;

unsigned char key_down_map[32];
// Keys pressed while the quit question had the keyboard: their releases
// are not the program's either.
unsigned char question_keys[32];
unsigned char shift_state = 0;
unsigned char control_state = 0;
unsigned char alt_state = 0;
int last_key = 0;

struct PendingButton {
    int x, y, button, pending;
};
PendingButton pending_press{};
PendingButton pending_release{};

void enqueue(unsigned keysym, int down) {
    int next = (queue_write + 1) % VX_KEY_QUEUE_SIZE;
    if (next == queue_read) return; // full: the new event is dropped
    queue[queue_write] = {keysym, down};
    queue_write = next;
}

bool is_letter(int k) { return k >= 65 && k <= 90; }

// Resolves a generic Shift, Control or Alt code into its left or right key
// by comparing the keys held now with the stored side state. Returns the
// resolved code, the key itself when it is no modifier, or -1 when nothing
// changed (or both sides changed at once): no event then.
int resolve_sides(int k, VxModifiers held) {
    unsigned char *state;
    unsigned char now;
    int left;
    switch (k) {
    case VK_SHIFT: state = &shift_state; now = held.shift; left = VK_LSHIFT; break;
    case VK_CONTROL: state = &control_state; now = held.control; left = VK_LCONTROL; break;
    case VK_MENU: state = &alt_state; now = held.alt; left = VK_LMENU; break;
    default: return k;
    }
    now &= 3;
    unsigned changed = now ^ *state;
    if (changed != 1 && changed != 2) return -1;
    *state = now;
    return changed == 1 ? left : left + 1;
}

unsigned keysym_for(int k) {
    if (control_state && is_letter(k)) return static_cast<unsigned>(k - 64);
    return shift_state ? shifted_of[k] : plain_of[k];
}

}  // namespace

void vxi_input_init(void) {
    plain_of.fill(0);
    shifted_of.fill(0);
    host_of.fill(0);
    for (const KeyRow &r : key_table) {
        plain_of[r.host] = r.plain;
        shifted_of[r.host] = r.shifted;
        host_of[r.own] = r.host;
    }
    for (const ExtraRow &r : extra_rows) host_of[r.keysym] = r.host;
}

void vxi_input_reset(void) {
    queue_read = queue_write = 0;
    std::memset(key_down_map, 0, sizeof key_down_map);
    std::memset(question_keys, 0, sizeof question_keys);
    shift_state = control_state = alt_state = 0;
    last_key = 0;
    pending_press = pending_release = PendingButton{};
}

void vxi_host_key_down(int k, VxModifiers held) {
    if (k < 0 || k > 255) return;
    bool repeat = false;
    if (k == last_key) {
        if (k == VK_SHIFT || k == VK_CONTROL || k == VK_MENU) return;
        repeat = true;
    }
    last_key = k;
    k = resolve_sides(k, held);
    if (k < 0) return;
    key_down_map[k / 8] |= static_cast<unsigned char>(1u << (k % 8));
    if (vxi_question_is_open()) {
        question_keys[k / 8] |= static_cast<unsigned char>(1u << (k % 8));
        vxi_question_key(k);
        return;
    }
    unsigned keysym = keysym_for(k);
    if (keysym == 0) return;
    if (repeat) enqueue(keysym, 0);
    enqueue(keysym, 1);
}

void vxi_host_key_up(int k, VxModifiers held) {
    if (k < 0 || k > 255) return;
    last_key = 0;
    k = resolve_sides(k, held);
    if (k < 0) return;
    key_down_map[k / 8] &= static_cast<unsigned char>(~(1u << (k % 8)));
    const unsigned char bit = static_cast<unsigned char>(1u << (k % 8));
    if (question_keys[k / 8] & bit) {
        question_keys[k / 8] &= static_cast<unsigned char>(~bit);
        return;
    }
    if (vxi_question_is_open()) return;
    unsigned keysym = keysym_for(k);
    if (keysym != 0) enqueue(keysym, 0);
}

void vxi_host_keysym(unsigned keysym) {
    if (keysym == 0) return;
    enqueue(keysym, 1);
    enqueue(keysym, 0);
}

void vxi_host_button(int x, int y, int button, int down) {
    if (vxi_question_is_open()) {
        vxi_question_button(x, y, button, down);
        return;
    }
    PendingButton &slot = down ? pending_press : pending_release;
    slot = PendingButton{x, y, button, 1};
}

void vxi_host_pointer(int x, int y) {
    if (vxi_question_pointer(x, y)) vxi_window_changed();
}

void vxi_host_wheel(int steps) {
    if (vxi_question_is_open()) return;
    // Page Up scrolls the console back, Page Down forward; a fast wheel
    // gives several steps at once, but never more than the queue holds.
    const unsigned keysym = steps > 0 ? 65365 : 65366;
    int n = steps > 0 ? steps : -steps;
    if (n > VX_KEY_QUEUE_SIZE / 2 - 1) n = VX_KEY_QUEUE_SIZE / 2 - 1;
    for (int i = 0; i < n; ++i) {
        enqueue(keysym, 1);
        enqueue(keysym, 0);
    }
}

int vxi_button_pending(int down, int *x, int *y, int *button) {
    PendingButton &slot = down ? pending_press : pending_release;
    if (!slot.pending) return 0;
    slot.pending = 0;
    *x = slot.x;
    *y = slot.y;
    *button = slot.button;
    return 1;
}

int vxi_key_queue_empty(void) { return queue_read == queue_write; }

int vxi_key_queue_pop(unsigned *keysym, int *down) {
    if (queue_read == queue_write) return 0;
    *keysym = queue[queue_read].keysym;
    *down = queue[queue_read].down;
    queue_read = (queue_read + 1) % VX_KEY_QUEUE_SIZE;
    return 1;
}

int vxi_host_key_for_keysym(unsigned keysym) {
    if (keysym >= host_of.size() || host_of[keysym] == 0) return -1;
    return host_of[keysym];
}

int vxi_key_for_char(unsigned keysym, int *host_key, int *shifted) {
    if (keysym == 0) return -1; // what Shift+0 sends: no character
    for (const KeyRow &r : key_table) {
        if (r.plain == keysym || r.shifted == keysym) {
            *host_key = r.host;
            *shifted = r.plain == keysym ? 0 : 1;
            return 0;
        }
    }
    return -1;
}

int vx_get_key_state(unsigned char map[32]) {
    std::memcpy(map, key_down_map, sizeof key_down_map);
    return 0;
}

int vx_key_is_down(const unsigned char map[32], unsigned keysym) {
    int k = vxi_host_key_for_keysym(keysym);
    if (k < 0) return 0;
    return (map[k / 8] >> (k % 8)) & 1 ? -1 : 0;
}
