#pragma once
// Each test's own folders and small file helpers; these need no converter, so
// the tests of every layer can use them.
#include <string>
#include <vector>

namespace vxtest {

// Whether the suite runs under the browser reading (VX_SVG_RULES=browser), as
// the hostile-input suite's second run does.
bool BrowserRulesAsked();

// A folder below test-dxf/ for this test (created, ends with '/'), empty
// when the test first asks for it.
std::string TestOutputFolder();
// A scratch folder outside test-dxf/ for inputs (created, ends with '/'),
// empty when the test first asks for it.
std::string TestInputFolder();
void WriteFile(const std::string& path, const std::string& content);
// Every regular file below folder, as paths relative to it, sorted: what a
// conversion left behind (temporary files and pictures included).
std::vector<std::string> FilesBelow(const std::string& folder);
std::string ReadFile(const std::string& path);

}  // namespace vxtest
