#include "e2e_support.h"

#include "line_diff.h"

#include <filesystem>

namespace e2e {

using vxtest::utf8;

std::string e2e_file(const std::string &name) { return std::string(KELDARY_E2E_DIR) + "/" + name; }

std::string install(const std::string &name) {
    std::string dir = vxtest::temp_dir(name);
    std::filesystem::copy_file(KELDARY_EXE, dir + "/keldary");
    return dir;
}

std::string run_keys(const std::string &dir, const std::string &script_path, const std::string &extra) {
    int status = vxtest::run("HOME=" + dir + " " + dir + "/keldary --headless --keys " + script_path +
                             (extra.empty() ? "" : " " + extra) + " > " + dir + "/out.txt 2> " + dir +
                             "/err.txt");
    EXPECT_EQ(status, 0) << vxtest::read_file(dir + "/err.txt");
    return vxtest::read_file(dir + "/out.txt");
}

std::string run_script(const std::string &name, const std::string &script_path) {
    return run_keys(install(name), script_path);
}

std::string play_golden(const std::string &name) {
    std::string script = e2e_file(name + ".keys"), golden = e2e_file(name + ".transcript");
    EXPECT_TRUE(std::filesystem::exists(script)) << script;
    EXPECT_TRUE(std::filesystem::exists(golden)) << golden << " is missing: `make golden` records it";
    std::string out = run_script("e2e-" + name, script);
    std::string want = vxtest::read_file(golden);
    if (out != want)
        ADD_FAILURE() << "the transcript of " << name << ".keys differs from " << name
                      << ".transcript (- recorded, + now); if the change is meant, `make golden` records it\n"
                      << vxtest::line_diff(want, out);
    return out;
}

std::string unwrapped(const std::string &transcript) {
    std::string out;
    for (char c : transcript)
        if (c != '\n') out += c;
    return out;
}

void expect_in_order(const std::string &text, const std::vector<const char8_t *> &steps) {
    size_t at = 0;
    std::string before = "the start";
    for (const char8_t *step : steps) {
        size_t found = text.find(utf8(step), at);
        ASSERT_NE(found, std::string::npos) << "missing after \"" << before << "\": \"" << utf8(step) << "\"";
        at = found + utf8(step).size();
        before = utf8(step);
    }
}

}  // namespace e2e
