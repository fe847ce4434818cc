#include "tests/support/test_folders.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace vxtest {

bool BrowserRulesAsked() {
    const char* rules = std::getenv("VX_SVG_RULES");
    return rules && std::string(rules) == "browser";
}

static std::string TestSlug() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Outside a test (a suite's set-up) the folder must still be this process's
    // own: ctest runs the tests of one suite in parallel processes.
    if (!info) return "suite-" + std::to_string(getpid());
    std::string slug = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : slug)
        if (c == '/') c = '_';
    // The same test runs under both readings, perhaps at the same time.
    return BrowserRulesAsked() ? slug + ".browser" : slug;
}

// The first time a test asks for its folder it is emptied: what an earlier
// run (or a failed one) left there must not reach this run.
static std::string MakeFolder(const fs::path& path) {
    static std::mutex mutex;
    static std::set<std::string> emptied;
    std::lock_guard<std::mutex> lock(mutex);
    if (emptied.insert(path.string()).second) fs::remove_all(path);
    fs::create_directories(path);
    return path.string() + "/";
}

std::string TestOutputFolder() { return MakeFolder(fs::path(VX_TEST_DXF_DIR) / TestSlug()); }

std::string TestInputFolder() {
    return MakeFolder(fs::path(VX_BINARY_DIR) / "test-input" / TestSlug());
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error, gone;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        // Lexical on purpose: a worker may remove its temporary file while we look.
        if (!it->is_directory(gone)) names.push_back(it->path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace vxtest
