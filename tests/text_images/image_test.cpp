#include <gtest/gtest.h>

#include <filesystem>

#include "tests/shapes/shape_document.h"
#include "tests/support/convert_fixture.h"
#include "tests/text_images/image_files.h"

using vxtest::Entity;
using vxtest::ShapeDocument;
namespace fs = std::filesystem;

namespace {

// A document of height 100 whose images go to the test's output folder as
// those of the drawing "plan".
struct ImageDocument : ShapeDocument {
    ImageDocument() {
        folder = vxtest::TestOutputFolder();
        conv.m_strImageFolder = folder;
        conv.m_strOutputPath = folder + "plan.dxf";
        conv.m_strInputPath = vxtest::TestInputFolder() + "plan.svg";
    }
    std::string folder;
};

std::string DataPng() { return std::string("data:image/png;base64,") + vxtest::kTinyPngBase64; }

}  // namespace

TEST(Image, EmbeddedPictureCoversTheShownAreaAndRecordsItsDefinition) {
    ImageDocument doc;
    doc.conv.m_crFill = 0x0000FF;  // red
    doc.conv.m_strLayerName = "pictures";
    doc.conv.ConvertImage("10", "20", "64.9", "32", DataPng());
    ASSERT_EQ(doc.conv.m_imageDefs.size(), 1u);
    const CImageDefData def = doc.conv.m_imageDefs[0];
    const auto images = doc.Entities("IMAGE");
    ASSERT_EQ(images.size(), 1u);
    const Entity& image = images[0];
    // Lower-left corner: SVG (10, 20 + 32), flipped.
    EXPECT_EQ(image.Real(10), 10);
    EXPECT_EQ(image.Real(20), 48);
    EXPECT_EQ(image.Real(11), 1);
    EXPECT_EQ(image.Real(21), 0);
    EXPECT_EQ(image.Real(12), 0);
    EXPECT_EQ(image.Real(22), 1);
    EXPECT_EQ(image.Real(13), 64);
    EXPECT_EQ(image.Real(23), 32);
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
    EXPECT_EQ(def.width, 64);
    EXPECT_EQ(def.height, 32);
    EXPECT_EQ(def.brightness, 50);
    EXPECT_EQ(def.contrast, 50);
    EXPECT_EQ(def.fade, 0);
}

TEST(Image, GroupTransformsMoveTheCorner) {
    ImageDocument doc;
    doc.conv.PushTransform();
    doc.conv.ParseGroupTransform("translate(100,10)");
    doc.conv.ConvertImage("10", "20", "8", "4", DataPng());
    doc.conv.PopTransform();
    const auto images = doc.Entities("IMAGE");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].Real(10), 110);
    EXPECT_EQ(images[0].Real(20), 100 - 34);
}

TEST(Image, EmbeddedPicturesAreNumberedAndBadOnesDropped) {
    ImageDocument doc;
    doc.conv.ConvertImage("0", "0", "1", "1", DataPng());
    doc.conv.ConvertImage("0", "0", "1", "1", " DATA:image/JPEG;base64,/9j/4A== ");
    for (const char* bad : {"data:image/png;base64,#bad#", "data:image/gif;base64,R0lG",
                            "data:image/png,plain", "data:image/png;base64", "data:image/png;base64,",
                            "", "   ", "ftp://host/a.png", "mailto:a.png"})
        doc.conv.ConvertImage("0", "0", "1", "1", bad);
    EXPECT_EQ(doc.Entities("IMAGE").size(), 2u);
    ASSERT_EQ(doc.conv.m_imageDefs.size(), 2u);
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

    doc.conv.ConvertImage("0", "0", "1", "1", "pics/rel%20ative.png?v=1");
    doc.conv.ConvertImage("0", "0", "1", "1", fs::absolute(input + "abs.png").string());
    doc.conv.ConvertImage("0", "0", "1", "1", "file://" + fs::absolute(input + "url.png").string());
    doc.conv.ConvertImage("0", "0", "1", "1", doc.folder + "here.png");  // already in place
    // Dropped: no picture, missing, a folder, another host.
    doc.conv.ConvertImage("0", "0", "1", "1", input + "secret.txt");
    doc.conv.ConvertImage("0", "0", "1", "1", "missing.png");
    doc.conv.ConvertImage("0", "0", "1", "1", "pics");
    doc.conv.ConvertImage("0", "0", "1", "1", "file://elsewhere" + fs::absolute(input + "url.png").string());

    ASSERT_EQ(doc.conv.m_imageDefs.size(), 4u);
    EXPECT_EQ(vxtest::ReadFile(doc.folder + "rel ative.png"), vxtest::TinyPng());
    EXPECT_TRUE(fs::exists(doc.folder + "abs.png"));
    EXPECT_TRUE(fs::exists(doc.folder + "url.png"));
    EXPECT_FALSE(fs::exists(doc.folder + "secret.txt"));
    EXPECT_EQ(vxtest::ReadFile(doc.folder + "here.png"), vxtest::TinyPng());
    EXPECT_EQ(doc.Entities("IMAGE").size(), 4u);
}

TEST(ImageEndToEnd, EachImageHasADefinitionReferringToIt) {
    const std::string input = vxtest::TestInputFolder();
    vxtest::WriteFile(input + "logo.png", vxtest::TinyPng());
    const std::string dxf = vxtest::ConvertSvg(
        "<svg height=\"100\"><image x=\"1\" y=\"2\" width=\"30\" height=\"20\" xlink:href=\"logo.png\"/>"
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
}
