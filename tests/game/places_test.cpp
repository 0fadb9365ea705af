// One unit per place: game/areas holds area_<id>.cpp for every place of the
// list, named as the list names it, and no unit for a place it lacks.
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace fs = std::filesystem;

TEST(Places, EveryPlaceHasItsOwnUnitAndEveryUnitAPlace) {
    const std::set<std::string> places = {
#define PLACE(id, name, description, hook) "area_" #id ".cpp",
#include "places.def"
#undef PLACE
    };
    const std::set<std::string> not_places = {"area_kit.cpp", "area_table.cpp"};
    const fs::path dir = fs::path(KELDARY_SOURCE_DIR) / "game" / "areas";
    std::set<std::string> units;
    for (const fs::directory_entry &e : fs::directory_iterator(dir)) {
        std::string name = e.path().filename().string();
        if (!name.starts_with("area_") || e.path().extension() != ".cpp" || not_places.count(name)) continue;
        units.insert(name);
        EXPECT_TRUE(places.count(name)) << name << " is no place of the list";
        // Each unit opens with a comment saying which place it is.
        EXPECT_TRUE(vxtest::read_file(e.path().string()).starts_with("// ")) << name;
    }
    for (const std::string &p : places) EXPECT_TRUE(units.count(p)) << p << " is missing";
    EXPECT_EQ(units.size(), places.size());
}
