// What --update reads of an existing DXF: the options it was made with and its pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "convert/recorded_options_reader.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_tail.h"

using namespace vxtest;

namespace {

const char kClassic[] = "svg-rules=classic fill=hatch";

}  // namespace

TEST(RecordedOptions, ReadsTheRecordAndThePictures) {
    const CDxfRecord record = ParseDxfRecord("  0\nSECTION\n  2\nENTITIES\n  1\nsvg-rules=browser\n" +
                                             DxfTail({"/out/plan-1.png", "plan-2.png"}, kClassic));
    EXPECT_EQ(record.optionsText, kClassic);
    EXPECT_EQ(record.pictures, (std::vector<std::string>{"/out/plan-1.png", "plan-2.png"}));
    EXPECT_EQ(ParseDxfRecord(DxfTail({}, "")).optionsText, "");  // an older DXF
    EXPECT_EQ(ParseDxfRecord("not a DXF").optionsText, "");
}

TEST(RecordedOptions, CurrentOnlyWithTheSameOptionsAndEveryPicture) {
    // Outside test-dxf/: these are no DXFs for a reader to check.
    const std::string out = TestInputFolder();
    WriteFile(out + "kept.png", "png");
    // Entities far beyond the first tail read: the reader looks further back for the section.
    const std::string entities = "  0\nSECTION\n  2\nENTITIES\n" + std::string(20000, '\n');
    const struct {
        std::vector<std::string> pictures;
        std::string recorded, wanted;
        bool current;
    } rows[] = {
        {{}, kClassic, kClassic, true},
        {{out + "kept.png", "kept.png"}, kClassic, kClassic, true},
        {{}, kClassic, "svg-rules=browser fill=hatch", false},
        {{}, kClassic, "svg-rules=classic fill=outline", false},
        {{}, "", kClassic, false},
        {{"gone.png"}, kClassic, kClassic, false},
    };
    for (const auto& row : rows) {
        WriteFile(out + "plan.dxf", entities + DxfTail(row.pictures, row.recorded));
        EXPECT_EQ(DxfIsCurrent(out + "plan.dxf", row.wanted), row.current) << row.recorded;
    }
    EXPECT_FALSE(DxfIsCurrent(out + "missing.dxf", kClassic));
}
