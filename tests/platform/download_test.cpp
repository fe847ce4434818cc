#include <curl/curl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/download.h"
#include "tests/platform/test_server.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/image_files.h"
#include "tests/support/recorders.h"
#include "tests/support/shape_document.h"

using vxtest::ShapeDocument;
namespace fs = std::filesystem;

namespace {

// One web server and one TLS server for the whole suite, serving served/.
class Download : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = vxtest::TestInputFolder();
        s_served = s_root + "served/";
        fs::create_directories(s_served);
        vxtest::WriteFile(s_served + "logo.png", vxtest::TinyPng());
        vxtest::WriteFile(s_served + "other.png", "second picture");
        vxtest::WriteFile(s_served + "big.png", std::string(100000, 'x'));
        s_httpUp = s_http.Start(s_served);
        s_certificates = vxtest::MakeTestCertificates(s_root);
        if (s_certificates) s_https.Start(s_served, s_root + "server.pem", s_root + "server.key");
    }
    static void TearDownTestSuite() {
        s_http.Stop();
        s_https.Stop();
    }

    void SetUp() override {
        ASSERT_TRUE(s_httpUp) << "the python3 test server did not start";
        folder = vxtest::TestOutputFolder();
        // Earlier runs must not leave files that look like leftovers.
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    }

    // The downloaded bytes, or why there are none (and then no file may exist).
    std::string Fetch(const std::string& url, const CDownloadLimits& limits = {}) {
        const std::string target = folder + "target.png";
        fs::remove(target);
        const CDownloadResult result = DownloadUrlToFile(url, target, limits);
        switch (result.outcome) {
            case CDownloadResult::kStored: return vxtest::ReadFile(target);
            case CDownloadResult::kHttpError: return "<HTTP " + std::to_string(result.httpStatus) + ">";
            case CDownloadResult::kTimedOut: return "<timed out>";
            case CDownloadResult::kTooLarge: return "<too large>";
            default: return "<failed: " + result.error + ">";
        }
    }

    // How Fetch shows a failure that libcurl names.
    static std::string CurlFailure(CURLcode code) {
        return std::string("<failed: ") + curl_easy_strerror(code) + ">";
    }

    // Only the named files: no temporary leftovers.
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    static std::string s_root, s_served;
    static bool s_httpUp, s_certificates;
    static vxtest::TestServer s_http, s_https;
};

std::string Download::s_root, Download::s_served;
bool Download::s_httpUp = false, Download::s_certificates = false;
vxtest::TestServer Download::s_http, Download::s_https;

}  // namespace

TEST_F(Download, StoresTheResourceFollowingRedirects) {
    EXPECT_EQ(Fetch(s_http.Url("/files/logo.png")), vxtest::TinyPng());
    EXPECT_EQ(Fetch(s_http.Url("/stream/logo.png")), vxtest::TinyPng());
    EXPECT_EQ(Fetch(s_http.Url("/redirect/5/logo.png")), vxtest::TinyPng());
    // A resource of exactly the size limit is within it, told in advance or not.
    CDownloadLimits exact;
    exact.maxBytes = static_cast<long long>(vxtest::TinyPng().size());
    EXPECT_EQ(Fetch(s_http.Url("/files/logo.png"), exact), vxtest::TinyPng());
    EXPECT_EQ(Fetch(s_http.Url("/stream/logo.png"), exact), vxtest::TinyPng());
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"target.png"});
}

TEST_F(Download, FailuresLeaveNoPartialFileAndKeepAnEarlierOne) {
    CDownloadLimits small;
    small.maxBytes = 1000;
    EXPECT_EQ(Fetch(s_http.Url("/status/404")), "<HTTP 404>");
    EXPECT_EQ(Fetch(s_http.Url("/status/500")), "<HTTP 500>");
    const std::string tooManyRedirects = CurlFailure(CURLE_TOO_MANY_REDIRECTS);
    EXPECT_EQ(Fetch(s_http.Url("/redirect/6/logo.png")), tooManyRedirects);
    EXPECT_EQ(Fetch(s_http.Url("/loop")), tooManyRedirects);
    EXPECT_EQ(Fetch(s_http.Url("/files/big.png"), small), "<too large>");
    EXPECT_EQ(Fetch(s_http.Url("/stream/big.png"), small), "<too large>");
    EXPECT_EQ(Fetch("http://127.0.0.1:1/nothing.png"), CurlFailure(CURLE_COULDNT_CONNECT));
    EXPECT_EQ(Fetch("file:///etc/hostname"), CurlFailure(CURLE_UNSUPPORTED_PROTOCOL));
    CDownloadLimits impatient;
    impatient.timeoutSeconds = 1;
    EXPECT_EQ(Fetch(s_http.Url("/slow/logo.png"), impatient), "<timed out>");
    EXPECT_TRUE(FolderNames().empty());

    vxtest::WriteFile(folder + "keep.png", "earlier");
    EXPECT_FALSE(DownloadUrlToFile(s_http.Url("/status/404"), folder + "keep.png", {}).Stored());
    EXPECT_EQ(vxtest::ReadFile(folder + "keep.png"), "earlier");
    const std::string nowhere = folder + "no/such/dir.png";
    EXPECT_EQ(DownloadUrlToFile(s_http.Url("/files/logo.png"), nowhere, {}).error,
              "cannot write " + nowhere + ": No such file or directory");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"keep.png"});
}

TEST_F(Download, HttpsWithATrustedAuthorityOnly) {
    ASSERT_TRUE(s_certificates) << "openssl could not make the test certificates";
    CDownloadLimits trusted;
    trusted.caFile = s_root + "ca.pem";
    EXPECT_EQ(Fetch(s_https.Url("/files/logo.png"), trusted), vxtest::TinyPng());
    EXPECT_EQ(Fetch(s_https.Url("/files/logo.png")), CurlFailure(CURLE_PEER_FAILED_VERIFICATION));
}

TEST_F(Download, ImagesFetchedByTheConverter) {
    ShapeDocument doc;
    vxtest::RecordingMessages warnings;
    doc.conv.SetMessageSink(&warnings);
    CConvertOptions chosen = doc.conv.Options();
    chosen.outputFolder = folder;  // pictures go beside the DXF
    chosen.imageCaFile = s_root + "ca.pem";
    doc.conv.SetOptions(chosen);
    // The file name drops the query; the scheme may be in capitals.
    doc.classic.Image("10", "20", "64.9", "32", s_http.Url("/files/logo.png?v=2#x"));
    std::string upper = s_http.Url("/files/logo.png");
    upper.replace(0, 4, "HTTP");
    doc.classic.Image("0", "0", "1", "1", upper);
    if (s_certificates) doc.classic.Image("0", "0", "1", "1", s_https.Url("/files/logo.png"));
    doc.classic.Image("0", "0", "1", "1", s_http.Url("/redirect/2/other.png"));
    // Two addresses ending in the same name share one file: the later download.
    vxtest::WriteFile(s_served + "same.png", "first");
    doc.classic.Image("0", "0", "1", "1", s_http.Url("/files/same.png"));
    vxtest::WriteFile(s_served + "same.png", "second");
    doc.classic.Image("0", "0", "1", "1", s_http.Url("/stream/same.png"));
    // Left out: an error status, an address without a file name, "..".
    const std::string dropped[][2] = {{s_http.Url("/status/404?x=/a.png"), "HTTP 404"},
                                      {s_http.Url(""), "no file name"},
                                      {s_http.Url("/files/"), "no file name"},
                                      {s_http.Url("/files/.."), "unsafe name"}};
    for (const auto& [url, reason] : dropped) {
        doc.classic.Image("0", "0", "1", "1", url);
        EXPECT_EQ(warnings.messages.back(), "picture " + url + " left out: " + reason);
    }
    EXPECT_EQ(warnings.messages.size(), std::size(dropped));

    const size_t fetched = s_certificates ? 6 : 5;
    ASSERT_EQ(doc.conv.Tables().Pictures().size(), fetched);
    EXPECT_EQ(doc.Entities("IMAGE").size(), fetched);
    EXPECT_EQ(vxtest::ReadFile(folder + "logo.png"), vxtest::TinyPng());
    EXPECT_EQ(vxtest::ReadFile(folder + "other.png"), "second picture");
    EXPECT_EQ(vxtest::ReadFile(folder + "same.png"), "second");
    EXPECT_EQ(doc.conv.Tables().Pictures()[0].file, doc.conv.Tables().Pictures()[1].file);
    EXPECT_EQ(doc.conv.Tables().Pictures()[fetched - 2].file, doc.conv.Tables().Pictures()[fetched - 1].file);
    EXPECT_FALSE(fs::exists(folder + "status"));
}

TEST_F(Download, NoNetworkWhenDownloadsAreOff) {
    ShapeDocument doc;
    vxtest::RecordingMessages warnings;
    doc.conv.SetMessageSink(&warnings);
    CConvertOptions chosen = doc.conv.Options();
    chosen.outputFolder = folder;  // pictures go beside the DXF
    chosen.imageFetch.allowNetwork = false;
    doc.conv.SetOptions(chosen);
    doc.classic.Image("0", "0", "1", "1", s_http.Url("/files/logo.png"));
    doc.classic.Image("0", "0", "1", "1", s_https.Url("/files/logo.png"));
    doc.classic.Image("0", "0", "1", "1", std::string("data:image/png;base64,") + vxtest::kTinyPngBase64);
    EXPECT_EQ(doc.Entities("IMAGE").size(), 1u);
    EXPECT_FALSE(fs::exists(folder + "logo.png"));
    EXPECT_EQ(warnings.messages,
              (std::vector<std::string>{
                  "picture " + s_http.Url("/files/logo.png") + " left out: downloads are off",
                  "picture " + s_https.Url("/files/logo.png") + " left out: downloads are off"}));
}
