// The flag registry: every flag number named once, in one header, and no
// unit of the game numbering flags of its own.
#include "flags.h"
#include "places.h"
#include "status.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path game_dir = fs::path(KELDARY_SOURCE_DIR) / "game";

// name -> number of every flag the registry defines.
std::map<std::string, int> registry() {
    std::string text = vxtest::read_file((game_dir / "world" / "flags.h").string());
    static const std::regex def(R"(constexpr int (F_\w+) = (\d+);)");
    std::map<std::string, int> flags;
    for (std::sregex_iterator it(text.begin(), text.end(), def), end; it != end; ++it)
        flags[(*it)[1]] = std::stoi((*it)[2]);
    return flags;
}

}  // namespace

TEST(FlagRegistry, EachNumberHasOneNameAndDoorsAndLocksPair) {
    std::map<std::string, int> flags = registry();
    ASSERT_GT(flags.size(), 150u);
    std::map<int, std::string> by_number;
    int doors = 0;
    for (const auto &[name, n] : flags) {
        EXPECT_TRUE(by_number.emplace(n, name).second) << n << " is both " << by_number[n] << " and " << name;
        if (name != "F_VISITED_BASE") {
            EXPECT_LT(n, F_VISITED_BASE) << name;
        }
        if (name.starts_with("F_DOOR_")) {
            ++doors;
            EXPECT_TRUE(n >= F_DOOR_HALL_DINING && n <= F_DOOR_CELLAR_BOILER_ROOM) << name;
        }
        // A lock is named after the door it unlocks.
        if (name.starts_with("F_UNLOCKED_") && name != "F_UNLOCKED_FRONT_DOOR") {
            EXPECT_TRUE(flags.count("F_DOOR_" + name.substr(11))) << name;
        }
    }
    EXPECT_EQ(doors, F_DOOR_CELLAR_BOILER_ROOM - F_DOOR_HALL_DINING + 1);
    EXPECT_LE(F_VISITED_BASE + ai_end, FLAG_NUM);
}

TEST(FlagRegistry, NoOtherUnitNumbersFlags) {
    static const std::regex def(R"(constexpr\s+int\s+((F|FLAG|SEQ)_\w+)\s*=\s*\d+\s*;)");
    const std::set<std::string> sizes = {"FLAG_NUM", "FLAG_SEQUENCE_MAXNUM"}; // not flag numbers
    int files = 0;
    for (const fs::directory_entry &e : fs::recursive_directory_iterator(game_dir)) {
        std::string ext = e.path().extension().string();
        if (e.path().filename() == "flags.h" || (ext != ".cpp" && ext != ".h")) continue;
        ++files;
        std::string text = vxtest::read_file(e.path().string());
        for (std::sregex_iterator it(text.begin(), text.end(), def), end; it != end; ++it)
            if (!sizes.count((*it)[1])) ADD_FAILURE() << e.path() << " defines " << (*it)[1];
    }
    EXPECT_GT(files, 50);
}
