// isbnconv as a user runs it: arguments and standard input in, records and an exit
// status out. Runs in the directory of the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32

#include "desktop_texts.h"
#include "drop_session.h"
#define WEXITSTATUS(status) (status)
#else
#include <sys/wait.h>
#endif

namespace {

#if defined(_WIN32)
constexpr char kIsbnconv[] = "isbnconv.exe";
#elif defined(QUENZEL_SANITIZED)
constexpr char kIsbnconv[] = "./isbnconv";
#else
constexpr char kIsbnconv[] = "ulimit -v 16384; ./isbnconv";   // too little room to hold the 64 MiB line below
#endif

// Through the shell, standard input from a file and standard output to another.
int RunIsbnconv(const std::string& args, const std::string& input)
{
    std::ofstream("run.in", std::ios::binary) << input;
    const std::string command = kIsbnconv + (" " + args) + " < run.in > run.out 2> run.err";
    return WEXITSTATUS(std::system(command.c_str()));
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kBom = "\xEF\xBB\xBF";   // how Notepad starts a text saved as UTF-8 with a BOM

// The records that isbnconv writes for an accepted and for a refused input.
std::string Ok(const std::string& isbn, const std::string& asin, const std::string& input, const char* end = "\n")
{
    return "ok\t" + isbn + "\t" + asin + "\t" + input + end;
}

std::string Refused(const std::string& status, const std::string& input, const char* end = "\n")
{
    return status + "\t\t\t" + input + end;
}

std::string Repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

// Every accepted form of both directions, each refusal's status, the echo, option
// parsing and exit statuses 0, 1 and 2; a line far longer than memory allows, and records well
// past the end of the output buffer.
TEST(Isbnconv, WritesOneRecordPerInput)
{
    const std::string huge(64 << 20, '7');
    const std::string record = Ok("978-0306406157", "0306406152", "0306406152");
    const struct {
        std::string args, input, output;
        int status;
    } kRuns[] = {
        {"to13 -0306-40615-2 0-306-40615-2 0306406152", "",
         Ok("978--0306-40615-7", "0306406152", "-0306-40615-2") +
             Ok("978-0-306-40615-7", "0306406152", "0-306-40615-2") + Ok("978-0306406157", "0306406152", "0306406152"),
         0},
        {"to13 -- 0306406153 080442957x \"\" --help", "",
         Refused("bad-check-digit", "0306406153") + Refused("invalid-data", "080442957x") + Refused("no-input", "") +
             Refused("wrong-digit-count", "--help"),
         1},
        {"to10", "9780306406157\r\n978-0306406157\n978-0-8044-2957-3\n\n9790306406156\n977\r\r\n",
         Ok("0306406152", "0306406152", "9780306406157") + Ok("0306406152", "0306406152", "978-0306406157") +
             Ok("0-8044-2957-X", "080442957X", "978-0-8044-2957-3") + Refused("no-input", "") +
             Refused("bad-prefix", "9790306406156") + Refused("wrong-digit-count", "977\r"),
         1},
        {"to13",   // a byte-order mark counts only at the very start
         kBom + "0306406152\n" + kBom + "0306406152",
         Ok("978-0306406157", "0306406152", "0306406152") + Refused("invalid-data", kBom + "0306406152"), 1},
        {"--version", "", "isbnconv " QUENZEL_VERSION "\n", 0},
        {"", "0306406152\n", "", 2},
        {"to11 0306406152", "", "", 2},
        {"to13 --bogus 0306406152", "", "", 2},
        {"to13", huge, Refused("wrong-digit-count", huge), 1},             // held in memory, it would not fit
        {"to13", Repeat("0306406152\n", 4000), Repeat(record, 4000), 0},   // more than the 64 KiB output buffer
    };
    for (const auto& run : kRuns) {
        SCOPED_TRACE(run.args + " with " + std::to_string(run.input.size()) + " bytes in");
        EXPECT_EQ(RunIsbnconv(run.args, run.input), run.status);
        EXPECT_TRUE(Contents("run.out") == run.output) << Contents("run.out").substr(0, 1000);   // too long to diff
    }
}

#ifdef _WIN32
// A console whose user types the given answers, one per question.
struct ScriptedConsole : Console {
    std::vector<std::wstring> answers;
    std::wstring shown;

    void Write(std::wstring_view text) override { shown += text; }
    bool ReadLine(std::wstring& line) override
    {
        if (answers.empty()) return false;
        line = answers.front();
        answers.erase(answers.begin());
        return true;
    }
};

// Files as Explorer drops them, in a folder whose name holds Hangul, which code page
// 932 cannot spell; the folder itself is dropped too.
TEST(DropSession, WritesEachResultBesideItsFileAndLosesNothing)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / L"isbnconv 書籍 한글";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string books = kBom + "4-10-101001-3\r\n\r\n4 10 101001 3";
    std::ofstream(folder / L"一覧.txt", std::ios::binary) << books;
    std::ofstream(folder / L"一覧_ISBN13.txt", std::ios::binary) << "already here";
    std::ofstream(folder / L"utf16.txt", std::ios::binary) << std::string{'\xFF', '\xFE', '4', '\0'};

    ScriptedConsole console;
    console.answers = {L"3", L"１"};   // a wrong answer, then a full-width 1
    Cancellation cancellation;
    EXPECT_EQ(RunDropSession({folder / L"一覧.txt", folder / L"utf16.txt", folder}, console, cancellation), 1);
    EXPECT_EQ(Contents(folder / L"一覧_ISBN13 (2).txt"),
              Ok("978-4-10-101001-4", "4101010013", "4-10-101001-3", "\r\n") + Refused("no-input", "", "\r\n") +
                  Refused("invalid-data", "4 10 101001 3", "\r\n"));
    EXPECT_EQ(Contents(folder / L"一覧.txt"), books);
    EXPECT_EQ(Contents(folder / L"一覧_ISBN13.txt"), "already here");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 4) << "one result, nothing else";

    const std::wstring summary = kConvertedLinesText + std::wstring(L"1\n") + kRefusedLinesText + L"2\n" +
                                 kRefusalReasons[1] + L"1\n" + kRefusalReasons[3] + L"1\n" + kResultText +
                                 L"一覧_ISBN13 (2).txt\n";
    for (const std::wstring& text : {std::wstring(kChooseAgainText), summary,
                                     std::wstring(kProblemTexts[static_cast<int>(FileProblem::Binary)])}) {
        EXPECT_NE(console.shown.find(text), std::wstring::npos) << "not shown";
    }
}
#endif

}   // namespace
