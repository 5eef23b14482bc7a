// isbnconv as a user runs it: arguments and standard input in, records and an exit
// status out. Runs in the directory of the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <filesystem>
#include <set>
#include <vector>

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
int RunIsbnconv(const std::string& args, const std::string& input, const char* in = "run.in", const char* out = "run.out")
{
    std::ofstream("run.in", std::ios::binary) << input;
    return WEXITSTATUS(std::system((kIsbnconv + (" " + args) + " < " + in + " > " + out + " 2> run.err").c_str()));
}

TEST(Isbnconv, RunsAsDocumented)
{
    const std::string pad(65524, '7');   // puts a CR at the last byte of the first 64 KiB read
    const struct { std::string args, input, output; int status; } kRuns[] = {
        {"to13 -0306-40615-2 0-306-40615-2", "", "ok\t978--0306-40615-7\t0306406152\t-0306-40615-2\n"
                                                 "ok\t978-0-306-40615-7\t0306406152\t0-306-40615-2\n", 0},
        {"to13 -- 0306406153 080442957x \"\" --help", "", "bad-check-digit\t\t\t0306406153\n"
         "invalid-data\t\t\t080442957x\nno-input\t\t\t\nwrong-digit-count\t\t\t--help\n", 1},
        {"to10", "9780306406157\r\n\n9790306406156\n977\r\r\n978-0-8044-2957-3", "ok\t0306406152\t0306406152\t9780306406157\n"
         "no-input\t\t\t\nbad-prefix\t\t\t9790306406156\nwrong-digit-count\t\t\t977\r\n"
         "ok\t0-8044-2957-X\t080442957X\t978-0-8044-2957-3\n", 1},
        {"to13", pad + "\n0306406152\r\n", "wrong-digit-count\t\t\t" + pad + "\nok\t978-0306406157\t0306406152\t0306406152\n", 1},
        {"to13", pad + "0123456789X\r\n0306406152\r", "wrong-digit-count\t\t\t" + pad + "0123456789X\n"
                                                    "wrong-digit-count\t\t\t0306406152\r\n", 1},
        {"to10", pad + "0123456789X\rY\n", "wrong-digit-count\t\t\t" + pad + "0123456789X\rY\n", 1},
        {"to13", "\xEF\xBB\xBF" "0306406152\n\xEF\xBB\xBF" "0306406152", "ok\t978-0306406157\t0306406152\t0306406152\n"
                 "invalid-data\t\t\t\xEF\xBB\xBF" "0306406152\n", 1},
        {"to13", std::string(64 << 20, '7'), "wrong-digit-count\t\t\t" + std::string(64 << 20, '7') + "\n", 1},
        {"--version", "", "isbnconv " QUENZEL_VERSION "\n", 0},
        {"", "0306406152\n", "", 2},
        {"to11 0306406152", "", "", 2},
        {"to13 --bogus 0306406152", "", "", 2},
    };
    for (const auto& run : kRuns) {
        EXPECT_EQ(RunIsbnconv(run.args, run.input), run.status) << run.args;
        std::ifstream written("run.out", std::ios::binary);
        const std::string out(std::istreambuf_iterator<char>(written), {});
        if (out.size() < 100000) EXPECT_EQ(out, run.output) << run.args;
        else EXPECT_TRUE(out == run.output) << run.args << ": " << out.size() << " bytes out";
    }
#ifndef _WIN32
    EXPECT_EQ(RunIsbnconv("to13 0306406152", "", "run.in", "/dev/full"), 3) << "a failed write is an error";
    EXPECT_EQ(RunIsbnconv("to13", "", "/"), 3) << "a failed read is an error";
#endif
}

#ifdef _WIN32
// A console whose user types the given answers, one per question.
class ScriptedConsole : public Console {
public:
    explicit ScriptedConsole(std::vector<std::wstring> answers) : answers_(std::move(answers)) {}
    void Write(std::wstring_view text) override { shown += text; }
    bool ReadLine(std::wstring& line) override
    {
        if (answers_.empty()) return false;
        line = answers_.front();
        answers_.erase(answers_.begin());
        return true;
    }
    std::wstring shown;

private:
    std::vector<std::wstring> answers_;
};

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::wstring> Listing(const std::filesystem::path& folder)
{
    std::set<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// Files as Explorer drops them: the folder's name and one file's name hold Hangul,
// which code page 932 cannot spell.
TEST(DropSession, WritesEachResultBesideItsFileAndLosesNothing)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"isbnconv 書籍 한글";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / L"folder");
    const std::string books = "\xEF\xBB\xBF" "4-10-101001-3\r\n4003101014\r\n\r\n" + std::string(300, '7') +
                              "\r\n4 10 101001 3";
    const std::pair<const wchar_t*, std::string> kFiles[] = {
        {L"一覧 한글.txt", books},
        {L"一覧 한글_ISBN13.txt", "already here"},
        {L"empty.txt", ""},
        {L"utf16.txt", std::string("\xFF\xFE" "4\0" "1\0", 6)},
    };
    for (const auto& [name, bytes] : kFiles) std::ofstream(folder / name, std::ios::binary) << bytes;
    const std::vector<std::wstring> dropped = {folder / L"一覧 한글.txt", folder / L"empty.txt",
                                               folder / L"utf16.txt", folder / L"folder", folder / L"missing.txt"};

    ScriptedConsole console({L"3", L"１"});   // a wrong answer, then a full-width 1
    Cancellation cancellation;
    EXPECT_EQ(RunDropSession(dropped, console, cancellation), 1);
    EXPECT_EQ(Contents(folder / L"一覧 한글_ISBN13 (2).txt"),
              "ok\t978-4-10-101001-4\t4101010013\t4-10-101001-3\r\n"
              "ok\t978-4003101018\t4003101014\t4003101014\r\n"
              "no-input\t\t\t\r\n"
              "wrong-digit-count\t\t\t" + std::string(300, '7') + "\r\n"
              "invalid-data\t\t\t4 10 101001 3\r\n");
    for (const auto& [name, bytes] : kFiles) EXPECT_EQ(Contents(folder / name), bytes) << "changed";
    const std::set<std::wstring> expected = {L"一覧 한글.txt", L"一覧 한글_ISBN13.txt", L"一覧 한글_ISBN13 (2).txt",
                                             L"empty.txt", L"utf16.txt", L"folder"};
    EXPECT_TRUE(Listing(folder) == expected) << "a file too many or too few";

    const std::wstring kShown[] = {
        kChooseAgainText,
        std::wstring(kConvertedLinesText) + L"2\n",
        std::wstring(kRefusedLinesText) + L"3\n",
        std::wstring(kRefusalReasons[1]) + L"1\n",
        std::wstring(kRefusalReasons[2]) + L"1\n",
        std::wstring(kRefusalReasons[3]) + L"1\n",
        std::wstring(kLongLinesText) + L"1\n",
        std::wstring(kResultText) + L"一覧 한글_ISBN13 (2).txt\n",
        kProblemTexts[static_cast<int>(FileProblem::Empty)],
        kProblemTexts[static_cast<int>(FileProblem::Binary)],
        kProblemTexts[static_cast<int>(FileProblem::Folder)],
        kProblemTexts[static_cast<int>(FileProblem::NotFound)],
    };
    for (std::size_t i = 0; i < std::size(kShown); ++i) {
        EXPECT_NE(console.shown.find(kShown[i]), std::wstring::npos) << "line " << i << " not shown";
    }

    // Ctrl+C at the question: nothing is written.
    ScriptedConsole stopped({L"1"});
    cancellation.requested = true;
    EXPECT_EQ(RunDropSession({folder / L"一覧 한글.txt"}, stopped, cancellation), 1);
    EXPECT_TRUE(Listing(folder) == expected);
    std::filesystem::remove_all(folder);
}
#endif

}  // namespace
