// Every text the game must show word for word (quoted_texts.txt) is one of
// the program's string literals, adjacent literals joined as the compiler
// joins them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The string literals of a C++ source, each run of adjacent literals (with
// only blanks and comments between them) joined into one, escapes kept as
// written ("\n" stays two characters, as in the list).
std::vector<std::string> literals(const std::string &src) {
    std::vector<std::string> out;
    bool joining = false;
    for (size_t i = 0; i < src.size();) {
        char c = src[i];
        if (c == '/' && i + 1 < src.size() && src[i + 1] == '/') {
            i = src.find('\n', i);
            if (i == std::string::npos) break;
        } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '*') {
            size_t end = src.find("*/", i + 2);
            i = end == std::string::npos ? src.size() : end + 2;
        } else if (c == '\'') {
            // A character literal: skip it whole so that '"' starts nothing.
            size_t j = i + 1;
            while (j < src.size() && src[j] != '\'') j += src[j] == '\\' ? 2 : 1;
            i = j + 1;
            joining = false;
        } else if (c == '"') {
            std::string text;
            size_t j = i + 1;
            while (j < src.size() && src[j] != '"') {
                if (src[j] == '\\' && j + 1 < src.size()) text += src[j++];
                text += src[j++];
            }
            if (joining)
                out.back() += text;
            else
                out.push_back(text);
            joining = true;
            i = j + 1;
        } else {
            if (!std::isspace(static_cast<unsigned char>(c))) joining = false;
            ++i;
        }
    }
    return out;
}

TEST(QuotedTexts, EveryTextIsInTheProgramWordForWord) {
    std::vector<std::string> program;
    for (const char *dir : {"game", "vexdraw"}) {
        for (const auto &e : fs::recursive_directory_iterator(fs::path(KELDARY_SOURCE_DIR) / dir)) {
            std::string ext = e.path().extension().string();
            if (ext != ".cpp" && ext != ".h" && ext != ".def") continue;
            for (std::string &l : literals(slurp(e.path()))) program.push_back(std::move(l));
        }
    }
    ASSERT_GT(program.size(), 1000u);

    std::ifstream list(std::string(KELDARY_E2E_DIR) + "/quoted_texts.txt");
    ASSERT_TRUE(list) << "quoted_texts.txt";
    int checked = 0;
    std::string missing;
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') continue;
        ++checked;
        bool found = false;
        for (const std::string &l : program)
            if (l.find(line) != std::string::npos) {
                found = true;
                break;
            }
        if (!found) missing += "  " + line + "\n";
    }
    EXPECT_GT(checked, 600);
    EXPECT_TRUE(missing.empty()) << "texts not in the program word for word:\n" << missing;
}

}  // namespace
