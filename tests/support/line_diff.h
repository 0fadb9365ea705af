// A readable difference of two texts, line by line, for test failures.
#pragma once

#include <string>

namespace vxtest {

// The lines that differ between expected and actual in the unified style of
// `diff -u`: hunks headed "@@ -a,b +c,d @@", unchanged lines with a leading
// blank, removed ones with '-', added ones with '+', and `context` unchanged
// lines around each change. At most max_lines lines are shown; a last line
// says how many more there were. Empty when the texts are equal.
std::string line_diff(const std::string &expected, const std::string &actual, int context = 3,
                      int max_lines = 60);

}  // namespace vxtest
