#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

#include "dxf/dxf_writer.h"
#include "dxf/threaded_sink.h"
#include "tests/support/test_folders.h"

namespace {

// The same groups through any DL_Writer: codes of every width, reals of every
// kind dxflib can print, ints, hex values and plain ASCII strings.
void WriteSampleGroups(const DL_Writer& w, int repeat) {
    const double reals[] = {0.0,     -0.0,       1.0,        -1.0,     0.5,     0.1,
                            1.0 / 3, 123.456,    -987654.321, 1e15,    1e199,   -3e150,
                            1e-17,   -1e-20,     2.5e-5,      DBL_MIN, 5e-324,  4.9999999999999996e-17,
                            12345678901234567.0, 286.30555555555548, 0.00000000000000005,
                            // ties of the 16th digit, rounded to even
                            1.0 / 131072, 3.0 / 131072, -5.0 / 131072, 1e-16, 0.99999999999999999,
                            9.2233720368547758e18, 1.8446744073709552e19, 4.5e-17, 5.5e-17,
                            // whole numbers and their neighbours around powers of ten
                            7.0, -42.0, 99999999.0, 1e8, 123456789.0, 4294967296.0, 1e18,
                            9.9999999999999982, 10.000000000000002, 99999999.999999985,
                            100000000.00000001, -0.99999999999999989, 1e-8, 9.99999999999e-9,
                            // either side of 2^-11, where the fraction needs 128 bits
                            0.00048828125, 0.00048828124999999995, 0.00048828125000000005,
                            -0.000123, 0.1 + 0.2, 1000000.0000000001};
    const int codes[] = {-1, 0, 5, 9, 10, 42, 99, 100, 330, 1000, 1071};
    for (int r = 0; r < repeat; ++r) {
        for (int code : codes) w.dxfString(code, "SECTION");
        for (double value : reals) w.dxfReal(10, value + r * 1e-3 * (value != 0.0));
        for (int value : {0, 1, -1, 65, INT_MAX, INT_MIN}) w.dxfInt(70, value);
        for (int value : {0, 0x30, 0xFFFF, 0xABC, -1, INT_MIN}) w.dxfHex(5, value);
        w.dxfString(1, "");
        w.dxfString(1, std::string("tab\there ~\x7f"));
        // Edges that start where the last one ended, with texts short and too long to keep.
        const double ends[] = {r * 0.1, -r * 0.1, 1e30 + r, -0.0, 0.0, 1.0 / 7, r * 0.1};
        for (size_t e = 0; e + 1 < std::size(ends); ++e) {
            for (auto [code, value] : {std::pair{10, ends[e]}, {20, ends[e] + 1},
                                       {11, ends[e + 1]}, {21, ends[e + 1] + 1}})
                w.dxfReal(code, value);
        }
    }
    // Longer than a block and its reserve: it goes to the sink in pieces.
    w.dxfString(1, std::string(CDxfWriter::kBlockSize * 5 / 2, 'x'));
    w.dxfReal(10, 1.5);
}

std::string RealText(double value) {
    char text[CDxfWriter::kMaxRealText];
    return std::string(text, CDxfWriter::WriteReal(text, value));
}

std::string DxfText(std::string_view value) {
    std::string out;
    CDxfWriter::AppendDxfText(out, value.data(), value.size());
    return out;
}

// A sink that takes `capacity` bytes and fails after them, like a full disk.
class LimitedSink : public CDxfSink {
public:
    explicit LimitedSink(size_t capacity, bool commitWorks = true)
        : m_nCapacity(capacity), m_bCommitWorks(commitWorks) {}
    bool Write(const char*, size_t size) override {
        if (size > m_nCapacity) return false;
        m_nCapacity -= size;
        return true;
    }
    bool Commit() override { return m_bCommitWorks; }

private:
    size_t m_nCapacity;
    bool m_bCommitWorks;
};

// A writer on a target sink, either writing text into it or (threaded)
// passing records to a second thread that formats them into it.
struct CWriterOn {
    CWriterOn(std::unique_ptr<CDxfSink> target, bool threaded) : sink(std::move(target)) {
        if (threaded) sink = std::make_unique<CThreadedSink>(sink);
        writer = std::make_unique<CDxfWriter>(*sink);
    }
    std::unique_ptr<CDxfSink> sink;
    std::unique_ptr<CDxfWriter> writer;
};

// What a writer made of `write`, directly or through the second thread.
template <typename WriteGroups>
std::string WrittenText(bool threaded, WriteGroups write) {
    auto memory = std::make_unique<CStringSink>();
    const CStringSink& text = *memory;
    CWriterOn on(std::move(memory), threaded);
    write(*on.writer);
    EXPECT_TRUE(on.writer->Finish());
    return text.Data();
}

}  // namespace

TEST(DxfWriter, OutputIsByteIdenticalToDxflibsOwnWriter) {
    // Enough repetitions to cross several of our blocks.
    const int repeat = 2500;
    const std::string path = vxtest::TestInputFolder() + "dxflib.txt";
    {
        DL_WriterA reference(path.c_str());
        ASSERT_FALSE(reference.openFailed());
        WriteSampleGroups(reference, repeat);
        reference.close();
    }
    const std::string expected = vxtest::ReadFile(path);
    ASSERT_GT(expected.size(), 2 * CDxfWriter::kBlockSize);
    for (bool threaded : {false, true}) {
        const std::string ours =
            WrittenText(threaded, [&](const CDxfWriter& w) { WriteSampleGroups(w, repeat); });
        ASSERT_EQ(ours.size(), expected.size()) << "threaded " << threaded;
        EXPECT_TRUE(ours == expected) << "threaded " << threaded;
    }
}

TEST(DxfWriter, VertexGroupsMatchSingleRealGroups) {
    // Widths repeat for a while and then change, to +0 and -0 among others.
    const double widths[] = {0.0, -0.0, 0.0, 1.0 / 3, 1.0 / 3, 2.0, 1e-20, 1e150};
    const std::string path = vxtest::TestInputFolder() + "dxflib-vertices.txt";
    auto vertex = [&](int i, double& x, double& y, double& width) {
        x = i * 0.37 - 1000;
        y = 1500 - i * 1.1;
        width = widths[(i / 7) % std::size(widths)];
    };
    const int count = 25000;  // crosses two blocks
    {
        DL_WriterA reference(path.c_str());
        ASSERT_FALSE(reference.openFailed());
        for (int i = 0; i < count; ++i) {
            double x, y, width;
            vertex(i, x, y, width);
            for (int twice = i % 3 == 0 ? 2 : 1; twice > 0; --twice) {
                for (auto [code, value] : {std::pair{10, x}, {20, y}, {30, 0.0}, {40, width},
                                           {41, i % 5 ? width : 0.5}})
                    reference.dxfReal(code, value);
            }
        }
        reference.close();
    }
    const std::string expected = vxtest::ReadFile(path);
    ASSERT_GT(expected.size(), 2 * CDxfWriter::kBlockSize);
    for (bool threaded : {false, true}) {
        const std::string ours = WrittenText(threaded, [&](const CDxfWriter& w) {
            for (int i = 0; i < count; ++i) {
                double x, y, width;
                vertex(i, x, y, width);
                // Flattened curves write a point twice: where a piece ends and the next starts.
                for (int twice = i % 3 == 0 ? 2 : 1; twice > 0; --twice)
                    w.dxfVertex(x, y, 0.0, width, i % 5 ? width : 0.5);
            }
        });
        EXPECT_TRUE(ours == expected) << "threaded " << threaded;
    }
}

TEST(DxfWriter, RealsBeyondDxflibsRangeAndNonFiniteValues) {
    EXPECT_EQ(RealText(std::numeric_limits<double>::quiet_NaN()), "0.0");
    EXPECT_EQ(RealText(std::numeric_limits<double>::infinity()), "0.0");
    EXPECT_EQ(RealText(-std::numeric_limits<double>::infinity()), "0.0");
    EXPECT_EQ(RealText(-0.0), "-0.0");
    EXPECT_EQ(RealText(2.0), "2.0");
    EXPECT_EQ(RealText(0.25), "0.25");
    EXPECT_EQ(RealText(0.0), "0.0");
    EXPECT_EQ(RealText(-3.0), "-3.0");
    EXPECT_EQ(RealText(12345678.0), "12345678.0");
    EXPECT_EQ(RealText(100000000.0), "100000000.0");
    EXPECT_EQ(RealText(0.99999999999999999), "1.0");
    EXPECT_EQ(RealText(0.1), "0.1");
    EXPECT_EQ(RealText(1e-16), "0.0000000000000001");
    for (double huge : {1e238, -1e300, DBL_MAX}) {
        char reference[512];
        std::snprintf(reference, sizeof reference, "%.16f", huge);
        std::string expected(reference);
        expected.resize(expected.find('.') + 2);  // the fraction of these is all zeros
        EXPECT_EQ(RealText(huge), expected);
    }
    EXPECT_EQ(RealText(DBL_MAX).size(), 311u);
    // Each one handed over counts, a repeat whose text is kept included, and
    // so does one that the second thread formats.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (bool threaded : {false, true}) {
        CWriterOn on(std::make_unique<CStringSink>(), threaded);
        const CDxfWriter& writer = *on.writer;
        writer.dxfReal(10, nan);
        writer.dxfReal(10, nan);
        writer.dxfVertex(1.5, inf, 0, 0, -inf);
        writer.dxfReal(40, DBL_MAX);
        EXPECT_TRUE(on.writer->Finish());
        EXPECT_EQ(writer.NonFiniteReals(), 4) << "threaded " << threaded;
    }
}

TEST(DxfWriter, RealsMatchThePrintfFormatOverEveryMagnitude) {
    // Deterministic bit patterns: every exponent, random mantissas, plus the
    // exact binary fractions whose 17th digit is a tie.
    unsigned long long state = 0x9E3779B97F4A7C15ULL;
    int mismatches = 0;
    for (int i = 0; i < 300000 && mismatches < 5; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const int exponent = int(state % 400) - 250;
        double value = std::ldexp(double(state >> 11), exponent - 53);
        if (i % 5 == 0) value = std::ldexp(double((state >> 40) | 1), -int(state % 20) - 1);
        if (i % 2) value = -value;
        if (std::fabs(value) >= 1e200) continue;
        char reference[512];
        std::snprintf(reference, sizeof reference, "%.16f", value);
        std::string expected(reference);
        const size_t dot = expected.find('.');
        size_t end = expected.size();
        while (end > dot + 2 && expected[end - 1] == '0') --end;
        expected.resize(end);
        if (RealText(value) != expected) {
            ++mismatches;
            ADD_FAILURE() << reference << " written as " << RealText(value);
        }
    }
}

TEST(DxfWriter, StringValuesStayOnOneLineAndBeyondAsciiAreEscaped) {
    EXPECT_EQ(DxfText("plain ASCII ~{}\t"), "plain ASCII ~{}\t");
    EXPECT_EQ(DxfText("two\r\nlines\x01\x1f"), "two  lines  ");
    EXPECT_EQ(DxfText(std::string_view("a\0b", 3)), "a b");
    EXPECT_EQ(DxfText("caf\xC3\xA9"), "caf\\U+00E9");
    EXPECT_EQ(DxfText("\xE2\x82\xAC 5"), "\\U+20AC 5");
    EXPECT_EQ(DxfText("\xEF\xBF\xBF"), "\\U+FFFF");
    // Beyond the four hex digits.
    EXPECT_EQ(DxfText("\xF0\x9F\x98\x80!"), "\\U+FFFD!");
    // Bytes that are no UTF-8 are Latin-1 characters.
    EXPECT_EQ(DxfText("caf\xE9"), "caf\\U+00E9");
    EXPECT_EQ(DxfText("\xE2\x82"), "\\U+00E2\\U+0082");         // cut short
    EXPECT_EQ(DxfText("\xC0\xAF"), "\\U+00C0\\U+00AF");         // overlong
    EXPECT_EQ(DxfText("\xE0\x80\xAF"), "\\U+00E0\\U+0080\\U+00AF");  // overlong in three
    EXPECT_EQ(DxfText("\xED\xA0\x80"), "\\U+00ED\\U+00A0\\U+0080");  // surrogate
    EXPECT_EQ(DxfText("\xF4\x90\x80\x80"), "\\U+00F4\\U+0090\\U+0080\\U+0080");
    EXPECT_EQ(DxfText("\xE9\xC3\xA9"), "\\U+00E9\\U+00E9");

    CStringSink sink;
    CDxfWriter writer(sink);
    writer.dxfString(1, "x\ny");
    writer.dxfString(1000, nullptr);
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(sink.Data(), "  1\nx y\n1000\n\n");
}

TEST(DxfWriter, FailedWritesAndCommitsAreReported) {
    for (bool threaded : {false, true}) {
        SCOPED_TRACE(threaded ? "threaded" : "direct");
        {
            CWriterOn on(std::make_unique<LimitedSink>(CDxfWriter::kBlockSize + 100), threaded);
            for (int i = 0; i < 400000; ++i) on.writer->dxfReal(10, i * 0.5);
            // A second thread reports the failure with a later block, or at the end.
            if (!threaded) {
                EXPECT_TRUE(on.writer->Failed());
            }
            EXPECT_FALSE(on.writer->Finish());
            EXPECT_EQ(on.sink->Error(), threaded ? EIO : 0);  // the limited sink has no errno
        }
        {
            CWriterOn on(std::make_unique<LimitedSink>(10), threaded);
            on.writer->dxfString(0, "SECTION");  // the failure shows when the rest is flushed
            EXPECT_FALSE(on.writer->Failed());
            EXPECT_FALSE(on.writer->Finish());
        }
        {
            CWriterOn on(std::make_unique<LimitedSink>(1000, false), threaded);
            on.writer->dxfString(0, "EOF");
            EXPECT_FALSE(on.writer->Finish());
        }
    }
    // Text written to the threaded sink itself goes out as it is.
    std::unique_ptr<CDxfSink> memory = std::make_unique<CStringSink>();
    const auto& text = static_cast<const CStringSink&>(*memory);
    CThreadedSink threaded(memory);
    EXPECT_TRUE(threaded.Write(" 70\n", 4) && threaded.Write("", 0) && threaded.Write("1\n", 2));
    EXPECT_TRUE(threaded.Commit());
    EXPECT_EQ(text.Data(), " 70\n1\n");
}
