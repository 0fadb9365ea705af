#include "line_diff.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vxtest {

namespace {

// Above this many cells of the comparison table (two texts of about 2000
// differing lines each), the differing middle is shown as removed, then added.
constexpr size_t TABLE_CELLS_MAX = 4'000'000;

// The lines of a text; a last line without its line break says so, as
// `diff -u` does, so that a missing final newline shows as a difference.
std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string::npos) {
            lines.push_back(text.substr(start) + "\n\\ No newline at end of file");
            break;
        }
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

// One step of the edit script: ' ' kept, '-' removed, '+' added; a and b are
// the indices of the next expected and actual lines at this step.
struct Step {
    char kind;
    size_t a, b;
};

std::vector<Step> edit_script(const std::vector<std::string> &x, const std::vector<std::string> &y) {
    size_t n = x.size(), m = y.size();
    size_t head = 0;
    while (head < n && head < m && x[head] == y[head]) ++head;
    size_t tail = 0;
    while (tail < n - head && tail < m - head && x[n - 1 - tail] == y[m - 1 - tail]) ++tail;
    size_t rows = n - head - tail, cols = m - head - tail;

    std::vector<Step> steps;
    size_t a = 0, b = 0;
    auto push = [&](char kind) {
        steps.push_back({kind, a, b});
        if (kind != '+') ++a;
        if (kind != '-') ++b;
    };
    for (size_t i = 0; i < head; ++i) push(' ');

    if (rows > 0 && cols > 0 && (rows + 1) * (cols + 1) <= TABLE_CELLS_MAX) {
        // lcs[i][j]: the longest common run of lines of the middles from i and j on.
        std::vector<uint32_t> lcs((rows + 1) * (cols + 1), 0);
        auto at = [&](size_t i, size_t j) -> uint32_t & { return lcs[i * (cols + 1) + j]; };
        for (size_t i = rows; i-- > 0;)
            for (size_t j = cols; j-- > 0;)
                at(i, j) = x[head + i] == y[head + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        size_t i = 0, j = 0;
        while (i < rows || j < cols) {
            if (i < rows && j < cols && x[head + i] == y[head + j]) {
                push(' ');
                ++i, ++j;
            } else if (j == cols || (i < rows && at(i + 1, j) >= at(i, j + 1))) {
                push('-');
                ++i;
            } else {
                push('+');
                ++j;
            }
        }
    } else {
        for (size_t i = 0; i < rows; ++i) push('-');
        for (size_t j = 0; j < cols; ++j) push('+');
    }
    for (size_t i = 0; i < tail; ++i) push(' ');
    return steps;
}

}  // namespace

std::string line_diff(const std::string &expected, const std::string &actual, int context, int max_lines) {
    if (expected == actual) return "";
    std::vector<std::string> x = lines_of(expected), y = lines_of(actual);
    std::vector<Step> steps = edit_script(x, y);
    size_t ctx = static_cast<size_t>(std::max(context, 0));

    std::vector<size_t> changes;
    for (size_t k = 0; k < steps.size(); ++k)
        if (steps[k].kind != ' ') changes.push_back(k);

    std::string out;
    int shown = 0;
    size_t changes_shown = 0;
    size_t c = 0;
    while (c < changes.size() && shown < max_lines) {
        // A hunk runs from the change's context to that of the last change
        // whose context touches it.
        size_t first = changes[c] >= ctx ? changes[c] - ctx : 0;
        size_t last = changes[c] + ctx;
        while (c + 1 < changes.size() && changes[c + 1] <= last + ctx + 1) last = changes[++c] + ctx;
        ++c;
        last = std::min(last, steps.size() - 1);

        size_t old_count = 0, new_count = 0;
        for (size_t k = first; k <= last; ++k) {
            old_count += steps[k].kind != '+';
            new_count += steps[k].kind != '-';
        }
        // As diff -u: an empty side names the line before it.
        size_t old_start = steps[first].a + (old_count ? 1 : 0);
        size_t new_start = steps[first].b + (new_count ? 1 : 0);
        out += "@@ -" + std::to_string(old_start) + "," + std::to_string(old_count) + " +" +
               std::to_string(new_start) + "," + std::to_string(new_count) + " @@\n";
        ++shown;
        for (size_t k = first; k <= last && shown < max_lines; ++k, ++shown) {
            const Step &s = steps[k];
            out += s.kind;
            out += s.kind == '+' ? y[s.b] : x[s.a];
            out += '\n';
            changes_shown += s.kind != ' ';
        }
    }
    if (changes_shown < changes.size())
        out += "... and " + std::to_string(changes.size() - changes_shown) + " more changed lines\n";
    return out;
}

}  // namespace vxtest
