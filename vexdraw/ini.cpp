// The settings file "Vexdraw.ini": named integers grouped in sections.
#include "vx_internal.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static constexpr int INI_SECTION_MAX = 4;
static constexpr int INI_ENTRY_MAX = 16;
static constexpr int INI_NAME_MAX = 15;   /* bytes, without the NUL */
static constexpr int INI_LINE_MAX = 1024; /* a read piece is at most 1023 bytes */

struct IniEntry {
    char key[INI_NAME_MAX + 1];
    int value;
    unsigned char number; /* 0 when the file's text was not a plain integer */
};

struct IniSection {
    char name[INI_NAME_MAX + 1];
    IniEntry entries[INI_ENTRY_MAX];
    int num;
};

static IniSection sections[INI_SECTION_MAX];
static int section_num;
// While the file is read, a bad line or a full table is reported and ends
// the reading, not the program: the settings only place windows.
static int loading;

void vxi_ini_clear(void) {
    std::memset(sections, 0, sizeof sections);
    section_num = 0;
}

static int name_fits(const char *name) { return strnlen(name, INI_NAME_MAX + 1) <= INI_NAME_MAX; }

static IniSection *find_section(const char *name) {
    for (int i = 0; i < section_num; ++i)
        if (std::strcmp(sections[i].name, name) == 0) return &sections[i];
    return nullptr;
}

static IniEntry *find_entry(IniSection *s, const char *key) {
    for (int i = 0; i < s->num; ++i)
        if (std::strcmp(s->entries[i].key, key) == 0) return &s->entries[i];
    return nullptr;
}

int vx_ini_get_int(const char *section, const char *key, int default_value) {
    if (!section || !key || !name_fits(section) || !name_fits(key)) return default_value;
    IniSection *s = find_section(section);
    if (!s) return default_value;
    IniEntry *e = find_entry(s, key);
    return e ? e->value : default_value;
}

// Stores a value: 0, -1 for a refused name, -2 when the table is full (an
// error that ends the program, or only the reading of the file).
static int ini_store(const char *section, const char *key, int value, bool number = true) {
    if (!section || !key) return -1;
    // The table has no room for longer names; refuse them rather than cut
    // them, so that two long names never end up as one entry.
    if (!name_fits(section)) {
        vx_warning("INIファイルのセクション名`%s'が長すぎます。", section);
        return -1;
    }
    if (!name_fits(key)) {
        vx_warning("INIファイルのエントリ名`%s'が長すぎます。", key);
        return -1;
    }
    IniSection *s = find_section(section);
    if (!s) {
        if (section_num >= INI_SECTION_MAX) {
            vxi_report_error("INIファイルのセクション数が上限を超えました。");
            if (!loading) vxi_destroy_window(); /* the error ends the program */
            return -2;
        }
        s = &sections[section_num++];
        std::memset(s, 0, sizeof *s);
        std::strcpy(s->name, section);
    }
    IniEntry *e = find_entry(s, key);
    if (!e) {
        if (s->num >= INI_ENTRY_MAX) {
            vxi_report_error("INIファイル・セクション`%s'中のエントリ数が上限を超えました。", s->name);
            if (!loading) vxi_destroy_window();
            return -2;
        }
        e = &s->entries[s->num++];
        std::strcpy(e->key, key);
        e->value = 0;
    }
    e->value = value;
    e->number = number ? 1 : 0;
    return 0;
}

static IniEntry *lookup(const char *section, const char *key) {
    if (!section || !key || !name_fits(section) || !name_fits(key)) return nullptr;
    IniSection *s = find_section(section);
    return s ? find_entry(s, key) : nullptr;
}

int vxi_ini_has(const char *section, const char *key) { return lookup(section, key) ? 1 : 0; }

int vxi_ini_is_number(const char *section, const char *key) {
    IniEntry *e = lookup(section, key);
    return e && e->number ? 1 : 0;
}

int vx_ini_set_int(const char *section, const char *key, int value) {
    return ini_store(section, key, value) < 0 ? -1 : 0;
}

// The decimal integer at the start of text, as atoi reads it, held within
// the range of int.
static int read_value(const char *text) {
    long v = std::strtol(text, nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return (int)v;
}

static int is_blank(char c) { return std::isspace((unsigned char)c) != 0; }

// 1 when text is one decimal integer within the range of int, blanks
// around it allowed.
static bool plain_integer(const char *text) {
    char *end = nullptr;
    errno = 0;
    long v = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || v > INT_MAX || v < INT_MIN) return false;
    while (*end && is_blank(*end)) ++end;
    return *end == '\0';
}

// Reads the file into the table. A malformed line, or more sections or
// entries than the table holds, is logged as an error and ends the reading;
// what was read before it stays and the rest keeps its defaults.
static int ini_read(std::FILE *f, const char *path) {
    char line[INI_LINE_MAX];
    char current[INI_LINE_MAX] = ""; /* may hold an over-long name */
    bool current_fits = true;
    int line_number = 0;
    while (std::fgets(line, sizeof line, f)) {
        ++line_number;
        if (line[0] == '\0' || line[0] == '\n' || line[0] == '#') continue;
        vx_log(line);
        if (line[0] == '[') {
            const char *word = line + 1;
            while (*word && is_blank(*word)) ++word;
            const char *end = word;
            while (*end && !is_blank(*end) && *end != ']') ++end;
            if (*end != ']') {
                vxi_report_error("Illegal Line %d in %s", line_number, path);
                return -1;
            }
            std::memcpy(current, word, end - word);
            current[end - word] = '\0';
            // A name too long for the table is reported once, here, and its
            // entries are passed over: one warning quoting it per entry
            // would make a small file fill the log.
            current_fits = name_fits(current);
            if (!current_fits) vx_warning("INIファイルのセクション名`%s'が長すぎます。", current);
            continue;
        }
        char *equals = std::strchr(line, '=');
        if (!equals) {
            vxi_report_error("Illegal Line %d in %s", line_number, path);
            return -1;
        }
        *equals = '\0';
        if (!current_fits) continue;
        if (ini_store(current, line, read_value(equals + 1), plain_integer(equals + 1)) == -2) return -1;
    }
    return 0;
}

int vx_ini_load(void) {
    const char *path = vxi_ini_path();
    std::FILE *f = *path ? std::fopen(path, "r") : nullptr;
    if (!f) {
        vx_warning("INIファイルが存在しません。");
        return -1;
    }
    loading = 1;
    int result = ini_read(f, path);
    loading = 0;
    std::fclose(f);
    return result;
}

// Written whole through vx_replace_file, so that a failed write never
// leaves a truncated file and two programs closing at once never mix theirs.
int vx_ini_save(void) {
    if (!vxi_ini_writable()) return -1; /* told once at start-up */
    std::string text = "# Vexdraw INI file\n";
    char value[16];
    for (int i = 0; i < section_num; ++i) {
        text += "\n[";
        text += sections[i].name;
        text += "]\n";
        for (int j = 0; j < sections[i].num; ++j) {
            std::snprintf(value, sizeof value, "%d", sections[i].entries[j].value);
            text += sections[i].entries[j].key;
            text += '=';
            text += value;
            text += '\n';
        }
    }
    if (vx_replace_file(vxi_ini_path(), text.data(), text.size()) != 0) {
        vx_warning("INIファイルが書き出せません。");
        return -1;
    }
    return 0;
}
