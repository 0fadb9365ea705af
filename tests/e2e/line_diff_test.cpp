// The line difference a transcript test prints when the program's output
// no longer equals the recorded one.
#include "line_diff.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vxtest::line_diff;

// Lines "1" to "n", each with its line break.
std::string numbered(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(i) + "\n";
    return s;
}

std::string replaced(std::string text, const std::string &line, const std::string &by) {
    size_t at = ("\n" + text).find("\n" + line + "\n");
    return text.replace(at, line.size(), by);
}

}  // namespace

TEST(LineDiff, ShowsOnlyTheChangesWithTheirContext) {
    std::string old_text = numbered(100);
    EXPECT_EQ(line_diff(old_text, old_text), "");

    // One changed line: three lines either side, nothing further away.
    EXPECT_EQ(line_diff(old_text, replaced(old_text, "50", "fifty")),
              "@@ -47,7 +47,7 @@\n 47\n 48\n 49\n-50\n+fifty\n 51\n 52\n 53\n");

    // Changes far apart make hunks of their own; close ones share one.
    std::string two = replaced(replaced(old_text, "10", "ten"), "90", "ninety");
    EXPECT_EQ(line_diff(old_text, two),
              "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+ten\n 11\n 12\n 13\n"
              "@@ -87,7 +87,7 @@\n 87\n 88\n 89\n-90\n+ninety\n 91\n 92\n 93\n");
    std::string close = replaced(replaced(old_text, "10", "ten"), "16", "sixteen");
    EXPECT_EQ(line_diff(old_text, close).find("\n@@"), std::string::npos);

    // Lines added at the start and removed at the end.
    EXPECT_EQ(line_diff(numbered(5), "0\n" + numbered(5)), "@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3\n");
    EXPECT_EQ(line_diff(numbered(5), numbered(4)), "@@ -2,4 +2,3 @@\n 2\n 3\n 4\n-5\n");
    EXPECT_EQ(line_diff("", "a\n"), "@@ -0,0 +1,1 @@\n+a\n");
}

TEST(LineDiff, AMissingLastLineBreakAndALongDifferenceAreSaid) {
    EXPECT_EQ(line_diff("a\nb\n", "a\nb"), "@@ -1,2 +1,2 @@\n a\n-b\n+b\n\\ No newline at end of file\n");

    // A wholly different output shows its first lines and counts the rest.
    std::string diff = line_diff(numbered(100), "");
    EXPECT_EQ(diff.rfind("@@ -1,100 +0,0 @@\n-1\n-2\n", 0), 0u) << diff;
    EXPECT_NE(diff.find("\n-59\n... and 41 more changed lines\n"), std::string::npos) << diff;
    EXPECT_EQ(line_diff(numbered(3), "x\n", 3, 2), "@@ -1,3 +1,1 @@\n-1\n... and 3 more changed lines\n");
}
