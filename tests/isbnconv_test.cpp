// isbnconv as its users run it: a separate process, arguments or standard input,
// records on standard output and an exit status.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "process_runner.h"

namespace {

using namespace std::string_literals;

ProcessResult Isbnconv(const std::vector<std::string>& args, const std::string& input = "")
{
    const std::string stdinFile = WriteTempFile("stdin", input);
    ProcessResult result = RunProgram("isbnconv", args, stdinFile);
    std::remove(stdinFile.c_str());
    return result;
}

TEST(IsbnconvArguments, OneRecordPerArgument)
{
    const ProcessResult result = Isbnconv({"to13", "0-306-40615-2", "080442957X", "0306406153", ""});
    EXPECT_EQ(result.out,
              "ok\t978-0-306-40615-7\t0306406152\t0-306-40615-2\n"
              "ok\t978-0804429573\t080442957X\t080442957X\n"
              "bad-check-digit\t\t\t0306406153\n"
              "no-input\t\t\t\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "");
}

TEST(IsbnconvArguments, EveryStatusWord)
{
    const ProcessResult result =
        Isbnconv({"to10", "978-0-306-40615-7", "", "978-0-306-406157", "978-0-8044-2957-X", "9780306406158",
                  "9790306406156"});
    EXPECT_EQ(result.out,
              "ok\t0-306-40615-2\t0306406152\t978-0-306-40615-7\n"
              "no-input\t\t\t\n"
              "wrong-digit-count\t\t\t978-0-306-406157\n"
              "invalid-data\t\t\t978-0-8044-2957-X\n"
              "bad-check-digit\t\t\t9780306406158\n"
              "bad-prefix\t\t\t9790306406156\n");
    EXPECT_EQ(result.exitCode, 1);
}

TEST(IsbnconvArguments, AllConvertedExitsZero)
{
    const ProcessResult result = Isbnconv({"to10", "9780804429573", "978-0306406157"});
    EXPECT_EQ(result.out,
              "ok\t080442957X\t080442957X\t9780804429573\n"
              "ok\t0306406152\t0306406152\t978-0306406157\n");
    EXPECT_EQ(result.exitCode, 0);
}

// A leading hyphen is a legal ISBN-10 form; "--" lets such an input through even
// where it could be taken for an option.
TEST(IsbnconvArguments, InputsThatStartWithAHyphen)
{
    EXPECT_EQ(Isbnconv({"to13", "-0-30640615-2"}).out, "ok\t978--0-30640615-7\t0306406152\t-0-30640615-2\n");
    EXPECT_EQ(Isbnconv({"to13", "--", "--help"}).out, "wrong-digit-count\t\t\t--help\n");
}

TEST(IsbnconvUsage, ErrorsExitTwoWithUsageOnStandardError)
{
    const std::vector<std::vector<std::string>> kCalls = {
        {}, {"to12"}, {"TO13"}, {"--frobnicate"}, {"to13", "--frobnicate", "0306406152"}, {"-x"},
    };
    for (const auto& args : kCalls) {
        SCOPED_TRACE(args.empty() ? "(no arguments)" : args.front());
        const ProcessResult result = Isbnconv(args, "0306406152\n");
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: isbnconv"), std::string::npos);
    }
}

TEST(IsbnconvUsage, HelpAndVersion)
{
    const ProcessResult help = Isbnconv({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: isbnconv", 0), 0u);
    EXPECT_EQ(Isbnconv({"to10", "--help"}).exitCode, 0);

    const ProcessResult version = Isbnconv({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "isbnconv 0.3.2\n");
}

TEST(IsbnconvStdin, LinesEndAtLfWithOneCrDropped)
{
    const ProcessResult result = Isbnconv({"to13"}, "0306406152\r\n\n030640615\r\r\n\r\n080442957X");
    EXPECT_EQ(result.out,
              "ok\t978-0306406157\t0306406152\t0306406152\n"
              "no-input\t\t\t\n"
              "invalid-data\t\t\t030640615\r\n"   // only the CR right before the LF goes
              "no-input\t\t\t\n"
              "ok\t978-0804429573\t080442957X\t080442957X\n");   // last line without LF
    EXPECT_EQ(result.exitCode, 1);
}

TEST(IsbnconvStdin, EmptyInputHasNoRecords)
{
    const ProcessResult result = Isbnconv({"to10"}, "");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitCode, 0);
}

// NUL, Ctrl-Z, Shift-JIS and TAB bytes reach the core and the echo untouched.
TEST(IsbnconvStdin, BytesPassUnchanged)
{
    const std::string input = "030640615\0\n"s + "\x1a" "306406152\n" +
                              "\x82\x4f\x82\x4f\x82\x4f\x82\x4f\x82\x4f\n" + "0306\t06152\n" + "0306406152\x1a\n";
    const ProcessResult result = Isbnconv({"to13"}, input);
    EXPECT_EQ(result.out, "invalid-data\t\t\t030640615\0\n"s +
                              "invalid-data\t\t\t\x1a" "306406152\n" +
                              "invalid-data\t\t\t\x82\x4f\x82\x4f\x82\x4f\x82\x4f\x82\x4f\n" +
                              "invalid-data\t\t\t0306\t06152\n" + "wrong-digit-count\t\t\t0306406152\x1a\n");
}

TEST(IsbnconvStdin, ManyLinesAcrossReadBoundaries)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        input += i % 2 ? "978-0-306-40615-7\r\n" : "9780804429573\n";
        expected += i % 2 ? "ok\t0-306-40615-2\t0306406152\t978-0-306-40615-7\n"
                          : "ok\t080442957X\t080442957X\t9780804429573\n";
    }
    const ProcessResult result = Isbnconv({"to10"}, input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out == expected);
}

// A line far longer than any buffer is refused on its length and echoed whole,
// with memory that does not grow with it.
TEST(IsbnconvStdin, VeryLongLineIsEchoedInBoundedMemory)
{
    constexpr std::size_t kLength = 64u << 20;
    const std::string stdinFile = TempPath("long");
    {
        // Written in pieces, so that this process stays small while the child runs.
        std::ofstream file(stdinFile, std::ios::binary);
        const std::string piece(1u << 20, '7');
        std::string pieceWithCr = piece;
        pieceWithCr[0] = '\r';
        for (std::size_t written = 0; written < kLength; written += piece.size()) {
            file << (written == kLength / 2 ? pieceWithCr : piece);
        }
        file << "\r\n0306406152\n";
    }

    const ProcessResult result = RunProgram("isbnconv", {"to13"}, stdinFile);
    std::remove(stdinFile.c_str());

    const std::string head = "wrong-digit-count\t\t\t";
    const std::string tail = "\nok\t978-0306406157\t0306406152\t0306406152\n";
    ASSERT_EQ(result.out.size(), head.size() + kLength + tail.size());
    EXPECT_EQ(result.out.compare(0, head.size(), head), 0);
    EXPECT_EQ(result.out.compare(result.out.size() - tail.size(), tail.size(), tail), 0);
    EXPECT_EQ(result.out.find_first_not_of('7', head.size()), head.size() + kLength / 2);
    EXPECT_EQ(result.out[head.size() + kLength / 2], '\r');
    EXPECT_EQ(result.exitCode, 1);
#ifndef QUENZEL_SANITIZED   // the sanitizers' own bookkeeping would dominate the figure
    if (result.peakMemoryKiB >= 0) {
        EXPECT_LT(result.peakMemoryKiB, 16 * 1024);
    }
#endif
}

}  // namespace
