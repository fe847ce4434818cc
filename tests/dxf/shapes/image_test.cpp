#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/convert_fixture.h"
#include "tests/support/image_files.h"
#include "tests/support/recorders.h"
#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::ShapeDocument;
namespace fs = std::filesystem;

namespace {

// A document of height 100 whose images go to the test's output folder as
// those of the drawing "plan", with its warnings recorded.
struct ImageDocument : ShapeDocument {
    ImageDocument() {
        folder = vxtest::TestOutputFolder();
        CConvertOptions options = conv.Options();
        options.outputFolder = folder;
        conv.SetOptions(options);
        conv.Job().m_strOutputPath = folder + "plan.dxf";
        conv.Job().m_strInputPath = vxtest::TestInputFolder() + "plan.svg";
        conv.SetMessageSink(&warnings);
    }
    std::string folder;
    vxtest::RecordingMessages warnings;
};

// Converts each image and checks the warning that leaves it out.
void ExpectLeftOut(ImageDocument& doc, std::initializer_list<std::pair<std::string, std::string>> cases) {
    for (const auto& [href, warning] : cases) {
        const size_t before = doc.warnings.messages.size();
        doc.classic.Image("0", "0", "1", "1", href);
        ASSERT_EQ(doc.warnings.messages.size(), before + 1) << href;
        EXPECT_EQ(doc.warnings.messages.back(), warning) << href;
    }
}

std::string DataPng() { return std::string("data:image/png;base64,") + vxtest::kTinyPngBase64; }

}  // namespace

TEST(Image, EmbeddedPictureCoversTheShownAreaAndRecordsItsDefinition) {
    ImageDocument doc;
    doc.conv.Walker().m_crFill = 0x0000FF;  // red
    doc.conv.Walker().m_strLayerName = "pictures";
    doc.classic.Image("10", "20", "64.9", "32", DataPng());
    ASSERT_EQ(doc.conv.Tables().Pictures().size(), 1u);
    const CImageDefData def = doc.conv.Tables().Pictures()[0];
    const auto images = doc.Entities("IMAGE");
    ASSERT_EQ(images.size(), 1u);
    const Entity& image = images[0];
    // Lower-left corner: SVG (10, 20 + 32), flipped.
    EXPECT_EQ(image.Real(10), 10);
    EXPECT_EQ(image.Real(20), 48);
    // One pixel spread over the whole area.
    EXPECT_EQ(image.Real(11), 64.9);
    EXPECT_EQ(image.Real(21), 0);
    EXPECT_EQ(image.Real(12), 0);
    EXPECT_EQ(image.Real(22), 32);
    EXPECT_EQ(image.Real(13), 1);
    EXPECT_EQ(image.Real(23), 1);
    EXPECT_EQ(image.Int(62), 1);
    EXPECT_EQ(image.Int(370), -1);
    EXPECT_EQ(image.Str(8), "pictures");
    EXPECT_EQ(std::stoi(image.Str(340), nullptr, 16), def.handle);

    const std::string stored = doc.folder + "plan-image1.png";
    EXPECT_EQ(vxtest::ReadFile(stored), vxtest::TinyPng());
    EXPECT_EQ(def.file, fs::absolute(stored).lexically_normal().string());
    EXPECT_EQ(def.ipx, 10);
    EXPECT_EQ(def.ipy, 48);
    EXPECT_EQ(def.ux, 64.9);
    EXPECT_EQ(def.vy, 32);
    EXPECT_EQ(def.width, 1);
    EXPECT_EQ(def.height, 1);
    EXPECT_EQ(def.brightness, 50);
    EXPECT_EQ(def.contrast, 50);
    EXPECT_EQ(def.fade, 0);
}

// At x 10, y 20 in a drawing of height 100: the IMAGE starts at the lower-left
// corner, mapped by the groups and flipped.
TEST(Image, PixelsSpreadOverTheShownArea) {
    struct Case {
        const char* what;
        std::string picture, width, height, groupTransform;
        double cornerX, cornerY, ux, uy, vx, vy;
        int pixelsWide, pixelsHigh;
        const char* fit = nullptr;  // preserveAspectRatio as the browser reading hands it
    };
    const std::string noFrame = "\xFF\xD8\xFF\xE0";
    const Case cases[] = {
        {"16 x 16 shown at 64 x 64", vxtest::PngHead(16, 16), "64", "64", "", 10, 16, 4, 0, 0, 4, 16, 16},
        {"group translation", vxtest::PngHead(8, 4), "8", "4", "translate(100,10)", 110, 66, 1, 0, 0, 1, 8, 4},
        {"group scale", vxtest::PngHead(16, 8), "64", "32", "scale(2,3)", 20, -56, 8, 0, 0, 12, 16, 8},
        {"mirrored by a group", vxtest::PngHead(16, 8), "64", "32", "scale(-1,1)", -10, 48, -4, 0, 0, 4, 16, 8},
        {"unknown size: one unit per pixel", noFrame, "64.9", "32", "scale(2)", 20, -4, 1, 0, 0, 1, 64, 32},
        {"aspect kept, centred", vxtest::PngHead(16, 8), "64", "64", "", 10, 32, 4, 0, 0, 4, 16, 8, ""},
        {"aspect kept, at the bottom", vxtest::PngHead(16, 8), "64", "64", "", 10, 16, 4, 0, 0, 4, 16, 8,
         " xMinYMax meet"},
        {"slice, not croppable, fills", vxtest::PngHead(16, 8), "64", "64", "", 10, 16, 4, 0, 0, 8, 16, 8,
         "xMidYMid slice"},
        {"none stretches", vxtest::PngHead(16, 8), "64", "64", "", 10, 16, 4, 0, 0, 8, 16, 8, "none"},
    };
    const std::string input = vxtest::TestInputFolder();
    for (const Case& c : cases) {
        ImageDocument doc;
        vxtest::WriteFile(input + "picture.jpg", c.picture);
        doc.conv.GroupTransforms().Push();
        doc.conv.GroupTransforms().ReadOwnTransform(c.groupTransform);
        const vx::CAspectRatio fit = vx::ReadAspectRatio(c.fit ? c.fit : "");
        const auto flipped = [](double x, double y) { return CPointData(x, 100 - y); };
        if (c.fit)
            doc.conv.Shapes().PlaceImage(flipped, 10, 20, std::stod(c.width), std::stod(c.height), "picture.jpg",
                                         &fit);
        else
            doc.classic.Image("10", "20", c.width, c.height, "picture.jpg");
        doc.conv.GroupTransforms().Pop();
        const auto images = doc.Entities("IMAGE");
        ASSERT_EQ(images.size(), 1u) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(10), c.cornerX) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(20), c.cornerY) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(11), c.ux) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(21), c.uy) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(12), c.vx) << c.what;
        EXPECT_DOUBLE_EQ(images[0].Real(22), c.vy) << c.what;
        EXPECT_EQ(images[0].Real(13), c.pixelsWide) << c.what;
        EXPECT_EQ(images[0].Real(23), c.pixelsHigh) << c.what;
    }
}

TEST(Image, EmbeddedPicturesAreNumberedAndBadOnesLeftOutWithAWarning) {
    ImageDocument doc;
    doc.classic.Image("0", "0", "1", "1", DataPng());
    doc.classic.Image("0", "0", "1", "1", " DATA:image/JPEG;base64,/9j/4A== ");
    EXPECT_TRUE(doc.warnings.messages.empty());
    const std::string longData = "data:image/png;base64," + std::string(5000, '!');
    ExpectLeftOut(doc, {
        {"data:image/png;base64,#bad#", "picture data:image/png;base64,#bad# left out: bad embedded data"},
        {"data:image/gif;base64,R0lG", "picture data:image/gif;base64,R0lG left out: unsupported type"},
        {"data:image/png,plain", "picture data:image/png,plain left out: bad embedded data"},
        {"data:image/png;base64", "picture data:image/png;base64 left out: bad embedded data"},
        {"data:image/png;base64,", "picture data:image/png;base64, left out: bad embedded data"},
        {"data:image/png;base64,aGVsbG8=", "picture data:image/png;base64,aGVsbG8= left out: not a picture"},
        {longData, "picture " + longData.substr(0, 40) + "... left out: bad embedded data"},
        {"", "picture left out: no reference"},
        {"   ", "picture left out: no reference"},
        {"ftp://host/a.png", "picture ftp://host/a.png left out: unsupported address"},
        {"mailto:a.png", "picture mailto:a.png left out: unsupported address"},
        {"a\nb.png", "picture a?b.png left out: unsafe name"},
    });
    EXPECT_EQ(doc.Entities("IMAGE").size(), 2u);
    ASSERT_EQ(doc.conv.Tables().Pictures().size(), 2u);
    EXPECT_TRUE(fs::exists(doc.folder + "plan-image1.png"));
    EXPECT_EQ(vxtest::ReadFile(doc.folder + "plan-image2.jpg"), "\xFF\xD8\xFF\xE0");
    EXPECT_FALSE(fs::exists(doc.folder + "plan-image3.png"));
}

TEST(Image, LocalPicturesAreCopiedIntoTheImageFolder) {
    ImageDocument doc;
    const std::string input = vxtest::TestInputFolder();
    fs::create_directories(input + "pics");
    vxtest::WriteFile(input + "pics/rel ative.png", vxtest::TinyPng());
    vxtest::WriteFile(input + "abs.png", vxtest::TinyPng());
    vxtest::WriteFile(input + "url.png", vxtest::TinyPng());
    vxtest::WriteFile(input + "secret.txt", "not a picture");
    vxtest::WriteFile(doc.folder + "here.png", vxtest::TinyPng());

    doc.classic.Image("0", "0", "1", "1", "pics/rel%20ative.png?v=1");
    doc.classic.Image("0", "0", "1", "1", fs::absolute(input + "abs.png").string());
    doc.classic.Image("0", "0", "1", "1", "file://" + fs::absolute(input + "url.png").string());
    doc.classic.Image("0", "0", "1", "1", doc.folder + "here.png");  // already in place
    const std::string elsewhere = "file://elsewhere" + fs::absolute(input + "url.png").string();
    ExpectLeftOut(doc, {
        {input + "secret.txt", "picture " + input + "secret.txt left out: not a picture"},
        {"missing.png", "picture missing.png left out: not found"},
        {"pics", "picture pics left out: not a picture"},
        {"pics/", "picture pics/ left out: no file name"},
        {elsewhere, "picture " + elsewhere + " left out: not on this computer"},
    });

    ASSERT_EQ(doc.conv.Tables().Pictures().size(), 4u);
    EXPECT_EQ(vxtest::ReadFile(doc.folder + "rel ative.png"), vxtest::TinyPng());
    EXPECT_TRUE(fs::exists(doc.folder + "abs.png"));
    EXPECT_TRUE(fs::exists(doc.folder + "url.png"));
    EXPECT_FALSE(fs::exists(doc.folder + "secret.txt"));
    EXPECT_EQ(vxtest::ReadFile(doc.folder + "here.png"), vxtest::TinyPng());
    EXPECT_EQ(doc.Entities("IMAGE").size(), 4u);
}

TEST(ImageEndToEnd, EachImageHasADefinitionReferringToIt) {
    const std::string input = vxtest::TestInputFolder();
    vxtest::WriteFile(input + "logo.png", vxtest::PngHead(16, 8));
    const std::string dxf = vxtest::ConvertSvg(
        "<svg height=\"100\"><image x=\"1\" y=\"2\" width=\"64\" height=\"20\" xlink:href=\"logo.png\"/>"
        "<image x=\"5\" y=\"5\" width=\"10\" height=\"10\" xlink:href=\"" + DataPng() + "\"/>"
        "<image x=\"5\" y=\"5\" width=\"10\" height=\"10\" xlink:href=\"nothing.png\"/></svg>",
        true, "page");
    const auto images = vxtest::EntitiesOf(dxf, "IMAGE");
    const auto defs = vxtest::ObjectsOf(dxf, "IMAGEDEF");
    ASSERT_EQ(images.size(), 2u);
    ASSERT_EQ(defs.size(), 2u);
    const std::string folder = vxtest::TestOutputFolder();
    const std::string files[] = {folder + "logo.png", folder + "page-image2.png"};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(defs[i].Str(5), images[i].Str(340));
        EXPECT_EQ(defs[i].Str(1), fs::absolute(files[i]).lexically_normal().string());
        EXPECT_TRUE(fs::exists(files[i]));
    }
    EXPECT_EQ(images[0].Real(20), 78);
    // The 16 x 8 picture spans 64 x 20 units; its definition states its pixels.
    EXPECT_EQ(images[0].Real(11), 4);
    EXPECT_EQ(images[0].Real(22), 2.5);
    EXPECT_EQ(images[0].Real(13), 16);
    EXPECT_EQ(images[0].Real(23), 8);
    EXPECT_EQ(defs[0].Real(10), 16);
    EXPECT_EQ(defs[0].Real(20), 8);
    EXPECT_EQ(defs[1].Real(10), 1);
}
