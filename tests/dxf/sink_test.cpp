#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "convert/svg_converter.h"
#include "tests/support/convert_fixture.h"

namespace fs = std::filesystem;

namespace {

// A document large enough that the writer hands blocks to the sink before its end.
void WriteManyVertices(CSvgConverter& conv) {
    std::vector<CPointData> points;
    for (int i = 0; i < 100000; ++i) points.emplace_back(i, i * 0.5);
    conv.Output().WritePolyline(points.data(), points.size(), false, 0,
                                DL_Attributes("0", 7, -1, 0, ""));
}

}  // namespace

TEST(FileSink, OutputAppearsOnlyOnCommitAndReplacesTheTarget) {
    const std::string folder = vxtest::TestInputFolder();
    const std::string target = folder + "plan.dxf";
    vxtest::WriteFile(target, "old");
    {
        CFileSink sink;
        ASSERT_TRUE(sink.Open(target));
        ASSERT_TRUE(sink.Write("new", 3));
        EXPECT_EQ(vxtest::ReadFile(target), "old");
        EXPECT_EQ(vxtest::FilesBelow(folder).size(), 2u);  // the target and the hidden temporary file
        EXPECT_TRUE(sink.Commit());
    }
    EXPECT_EQ(vxtest::ReadFile(target), "new");
    EXPECT_EQ(vxtest::FilesBelow(folder), std::vector<std::string>{"plan.dxf"});

    // The longest name a folder takes still gets its temporary file.
    const std::string longName = std::string(251, 'n') + ".dxf";
    CFileSink sink;
    ASSERT_TRUE(sink.Open(folder + longName));
    EXPECT_TRUE(sink.Commit());
    EXPECT_EQ(vxtest::ReadFile(folder + longName), "");
    fs::remove(folder + longName);
}

TEST(FileSink, AbandonedOutputLeavesNoFileAndKeepsTheEarlierOne) {
    const std::string folder = vxtest::TestInputFolder();
    // A folder in the target's place: the rename fails and the temporary file goes.
    const std::string blockedFolder = folder + "blocked/";
    fs::remove_all(blockedFolder);  // what an earlier run left
    fs::create_directories(blockedFolder + "taken.dxf");
    CFileSink blocked;
    ASSERT_TRUE(blocked.Open(blockedFolder + "taken.dxf"));
    EXPECT_FALSE(blocked.Commit());
    EXPECT_TRUE(vxtest::FilesBelow(blockedFolder).empty());

    const std::string target = folder + "plan.dxf";
    vxtest::WriteFile(target, "old");
    {
        CFileSink sink;
        ASSERT_TRUE(sink.Open(target));
        ASSERT_TRUE(sink.Write("partial", 7));
    }
    EXPECT_EQ(vxtest::ReadFile(target), "old");
    EXPECT_EQ(vxtest::FilesBelow(folder), std::vector<std::string>{"plan.dxf"});

    CFileSink missing;
    EXPECT_FALSE(missing.Open(folder + "no/such/folder/plan.dxf"));
    EXPECT_FALSE(missing.Write("x", 1));
    EXPECT_FALSE(missing.Commit());
}

TEST(FileSink, DocumentThatCannotBeCreatedGivesMinusOne) {
    const std::string folder = vxtest::TestInputFolder();
    CSvgConverter conv;
    conv.Walker().m_strLayerName = "walls";
    EXPECT_EQ(conv.BeginDocument(folder + "missing/plan.dxf"), -1);
    EXPECT_FALSE(conv.Output().IsOpen());
    EXPECT_EQ(conv.Walker().m_strLayerName, "0");  // the state was reset all the same
    EXPECT_FALSE(conv.EndDocument());

    if (geteuid() == 0) return;  // the super-user writes into read-only folders
    const std::string readOnly = folder + "read-only";
    fs::create_directories(readOnly);
    ::chmod(readOnly.c_str(), 0555);
    EXPECT_EQ(conv.BeginDocument(readOnly + "/plan.dxf"), -1);
    ::chmod(readOnly.c_str(), 0755);
    EXPECT_TRUE(vxtest::FilesBelow(readOnly).empty());
}

TEST(FileSink, WholeDocumentIsCommittedAndTheConverterReleasesItsStream) {
    const std::string folder = vxtest::TestInputFolder();
    std::string written[2];
    for (int threads : {1, 2}) {
        CSvgConverter conv;
        CConvertOptions chosen = conv.Options();
        chosen.threads = threads;
        conv.SetOptions(chosen);
        ASSERT_EQ(conv.BeginDocument(folder + "plan.dxf"), 0);
        WriteManyVertices(conv);
        EXPECT_TRUE(conv.EndDocument());
        EXPECT_FALSE(conv.Output().IsOpen());
        const std::string dxf = vxtest::ReadFile(folder + "plan.dxf");
        EXPECT_EQ(dxf.substr(0, 12), "999\nVextora\n");
        EXPECT_EQ(dxf.substr(dxf.size() - 8), "  0\nEOF\n");
        EXPECT_EQ(vxtest::FilesBelow(folder), std::vector<std::string>{"plan.dxf"});
        written[threads - 1] = dxf;
    }
    EXPECT_TRUE(written[0] == written[1]);
}

TEST(FileSink, AbandonedDocumentStopsTheSecondThreadAndLeavesNoFile) {
    const std::string folder = vxtest::TestInputFolder();
    const std::string target = folder + "plan.dxf";
    vxtest::WriteFile(target, "old");
    CSvgConverter conv;
    CConvertOptions chosen = conv.Options();
    chosen.threads = 2;
    conv.SetOptions(chosen);
    // Abandoned at once, and with blocks queued for the thread.
    for (int vertexRuns : {0, 3}) {
        ASSERT_EQ(conv.BeginDocument(target), 0);
        for (int run = 0; run < vertexRuns; ++run) WriteManyVertices(conv);
        conv.AbandonDocument();
        EXPECT_EQ(vxtest::ReadFile(target), "old");
        EXPECT_EQ(vxtest::FilesBelow(folder), std::vector<std::string>{"plan.dxf"});
    }
}

TEST(FileSink, FullFileSystemFailsTheDocumentAndKeepsTheEarlierFile) {
    // A file size limit makes writes fail the way a full disk does.
    const std::string folder = vxtest::TestInputFolder();
    const std::string target = folder + "plan.dxf";
    vxtest::WriteFile(target, "old");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 256 * 1024;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    int opened[2] = {}, errors[2] = {};
    bool ended[2] = {};
    for (int threads : {1, 2}) {
        CSvgConverter conv;
        CConvertOptions chosen = conv.Options();
        chosen.threads = threads;
        conv.SetOptions(chosen);
        opened[threads - 1] = conv.BeginDocument(target);
        if (opened[threads - 1] == 0) WriteManyVertices(conv);
        ended[threads - 1] = opened[threads - 1] == 0 && conv.EndDocument();
        errors[threads - 1] = conv.Job().m_nOutputError;
    }

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    for (int thread : {0, 1}) {
        EXPECT_EQ(opened[thread], 0);
        EXPECT_FALSE(ended[thread]);
        EXPECT_EQ(errors[thread], EFBIG);  // the reason the file fails with
    }
    EXPECT_EQ(vxtest::ReadFile(target), "old");
    EXPECT_EQ(vxtest::FilesBelow(folder), std::vector<std::string>{"plan.dxf"});
}

// The header's extents are known only at the end: each kind of output gets
// them written in place, wherever the document starts in it.
TEST(DescriptorSink, LateRewritesReachFilesAppendedFilesAndPipes) {
    const std::string path = vxtest::TestInputFolder() + "stdout.dxf";
    const std::string document = "head ........ tail";
    enum Kind { kFile, kAppended, kPipe };
    for (Kind kind : {kFile, kAppended, kPipe}) {
        SCOPED_TRACE(kind);
        vxtest::WriteFile(path, "before\n");
        int fds[2] = {-1, -1};
        if (kind == kPipe) {
            ASSERT_EQ(pipe(fds), 0);
        } else {
            fds[1] = open(path.c_str(), O_WRONLY | (kind == kAppended ? O_APPEND : 0));
            ASSERT_GE(fds[1], 0);
        }
        if (kind == kFile) {
            ASSERT_EQ(lseek(fds[1], 7, SEEK_SET), 7);  // after "before\n"
        }
        {
            CDescriptorSink sink(fds[1]);
            ASSERT_TRUE(sink.Write(document.data(), 10));
            ASSERT_TRUE(sink.Write(document.data() + 10, document.size() - 10));
            sink.RewriteAtCommit(5, "EXTENTS!");
            EXPECT_TRUE(sink.Commit());
        }
        close(fds[1]);
        std::string written;
        if (kind == kPipe) {
            char buffer[64];
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            written.assign(buffer, n > 0 ? size_t(n) : 0);
            close(fds[0]);
        } else {
            written = vxtest::ReadFile(path);
        }
        EXPECT_EQ(written, (kind == kPipe ? "" : "before\n") + std::string("head EXTENTS! tail"));
    }
}
