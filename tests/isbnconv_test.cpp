// isbnconv as a user runs it: arguments and standard input in, records and an exit
// status out. Runs in the directory of the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
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

}  // namespace
