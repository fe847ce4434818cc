#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/download.h"
#include "tests/shapes/shape_document.h"
#include "tests/support/convert_fixture.h"
#include "tests/text_images/image_files.h"
#include "tests/text_images/test_server.h"

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

    // The downloaded bytes, or "<failed>" (and then no file may exist).
    std::string Fetch(const std::string& url, const CDownloadLimits& limits = {}) {
        const std::string target = folder + "target.png";
        fs::remove(target);
        if (DownloadUrlToFile(url, target, limits) != 0) return "<failed>";
        return vxtest::ReadFile(target);
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
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"target.png"});
}

TEST_F(Download, FailuresLeaveNoPartialFileAndKeepAnEarlierOne) {
    CDownloadLimits small;
    small.maxBytes = 1000;
    EXPECT_EQ(Fetch(s_http.Url("/status/404")), "<failed>");
    EXPECT_EQ(Fetch(s_http.Url("/status/500")), "<failed>");
    EXPECT_EQ(Fetch(s_http.Url("/redirect/6/logo.png")), "<failed>");
    EXPECT_EQ(Fetch(s_http.Url("/loop")), "<failed>");
    EXPECT_EQ(Fetch(s_http.Url("/files/big.png"), small), "<failed>");
    EXPECT_EQ(Fetch(s_http.Url("/stream/big.png"), small), "<failed>");
    EXPECT_EQ(Fetch("http://127.0.0.1:1/nothing.png"), "<failed>");
    EXPECT_EQ(Fetch("file:///etc/hostname"), "<failed>");
    CDownloadLimits impatient;
    impatient.timeoutSeconds = 1;
    EXPECT_EQ(Fetch(s_http.Url("/slow/logo.png"), impatient), "<failed>");
    EXPECT_TRUE(FolderNames().empty());

    vxtest::WriteFile(folder + "keep.png", "earlier");
    EXPECT_NE(DownloadUrlToFile(s_http.Url("/status/404"), folder + "keep.png", {}), 0);
    EXPECT_EQ(vxtest::ReadFile(folder + "keep.png"), "earlier");
    EXPECT_NE(DownloadUrlToFile(s_http.Url("/files/logo.png"), folder + "no/such/dir.png", {}), 0);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"keep.png"});
}

TEST_F(Download, HttpsWithATrustedAuthorityOnly) {
    ASSERT_TRUE(s_certificates) << "openssl could not make the test certificates";
    CDownloadLimits trusted;
    trusted.caFile = s_root + "ca.pem";
    EXPECT_EQ(Fetch(s_https.Url("/files/logo.png"), trusted), vxtest::TinyPng());
    EXPECT_EQ(Fetch(s_https.Url("/files/logo.png")), "<failed>");
}

TEST_F(Download, ImagesFetchedByTheConverter) {
    ShapeDocument doc;
    doc.conv.m_strImageFolder = folder;
    doc.conv.m_strImageCaFile = s_root + "ca.pem";
    // The file name drops the query; the scheme may be in capitals.
    doc.conv.ConvertImage("10", "20", "64.9", "32", s_http.Url("/files/logo.png?v=2#x"));
    std::string upper = s_http.Url("/files/logo.png");
    upper.replace(0, 4, "HTTP");
    doc.conv.ConvertImage("0", "0", "1", "1", upper);
    if (s_certificates) doc.conv.ConvertImage("0", "0", "1", "1", s_https.Url("/files/logo.png"));
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/redirect/2/other.png"));
    // Two addresses ending in the same name share one file: the later download.
    vxtest::WriteFile(s_served + "same.png", "first");
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/files/same.png"));
    vxtest::WriteFile(s_served + "same.png", "second");
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/stream/same.png"));
    // Dropped: an error status, an address without a file name, "..".
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/status/404?x=/a.png"));
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url(""));
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/files/"));
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/files/.."));

    const size_t fetched = s_certificates ? 6 : 5;
    ASSERT_EQ(doc.conv.m_imageDefs.size(), fetched);
    EXPECT_EQ(doc.Entities("IMAGE").size(), fetched);
    EXPECT_EQ(vxtest::ReadFile(folder + "logo.png"), vxtest::TinyPng());
    EXPECT_EQ(vxtest::ReadFile(folder + "other.png"), "second picture");
    EXPECT_EQ(vxtest::ReadFile(folder + "same.png"), "second");
    EXPECT_EQ(doc.conv.m_imageDefs[0].file, doc.conv.m_imageDefs[1].file);
    EXPECT_EQ(doc.conv.m_imageDefs[fetched - 2].file, doc.conv.m_imageDefs[fetched - 1].file);
    EXPECT_FALSE(fs::exists(folder + "status"));
}

TEST_F(Download, NoNetworkWhenDownloadsAreOff) {
    ShapeDocument doc;
    doc.conv.m_strImageFolder = folder;
    doc.conv.m_imageFetch.allowNetwork = false;
    doc.conv.ConvertImage("0", "0", "1", "1", s_http.Url("/files/logo.png"));
    doc.conv.ConvertImage("0", "0", "1", "1", s_https.Url("/files/logo.png"));
    doc.conv.ConvertImage("0", "0", "1", "1", std::string("data:image/png;base64,") + vxtest::kTinyPngBase64);
    EXPECT_EQ(doc.Entities("IMAGE").size(), 1u);
    EXPECT_FALSE(fs::exists(folder + "logo.png"));
}
