// isbnconv as a user runs it: arguments and standard input in, records and an exit
// status out. Runs in the directory of the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "agency_hyphens.h"

#ifdef _WIN32

#include "clipboard.h"
#include "desktop_mode.h"
#include "desktop_texts.h"
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

// Every accepted form of both directions, each refusal's status, the echo, a column of
// TAB-separated fields, option parsing and exit statuses 0, 1 and 2; a line far longer than
// memory allows, and records well past the end of the output buffer.
TEST(Isbnconv, WritesOneRecordPerInput)
{
    const std::string huge(64 << 20, '7');
    const std::string row = "Title\t0-306-40615-2\t12.00";
    const std::string pad(300, 'x');   // longer than the 256 bytes of a line held whole
    // Records of three lengths, so that the output buffer's end falls inside the span
    // that a record reserves for its fields.
    const std::string mixed = "0306406152\n0-306-40615-2\nx\n";
    const std::string records = Ok("978-0306406157", "0306406152", "0306406152") +
                                Ok("978-0-306-40615-7", "0306406152", "0-306-40615-2") +
                                Refused("wrong-digit-count", "x");
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
        {"--version", "", "isbnconv " QUENZEL_VERSION " (ISBN ranges of " + std::string(kAgencyRangesDateText) + ")\n",
         0},
        // The agency's hyphens, misplaced ones mended; digits alone where its table has
        // none to give (group 611 has no registrant yet), or where asked for.
        {"to13 --hyphens agency 4-101-01001-3 0306406152 6111234560 x", "",
         Ok("978-4-10-101001-4", "4101010013", "4-101-01001-3") + Ok("978-0-306-40615-7", "0306406152", "0306406152") +
             Ok("9786111234565", "6111234560", "6111234560") + Refused("wrong-digit-count", "x"),
         1},
        {"to10 --hyphens agency", "978-4101010014\n", Ok("4-10-101001-3", "4101010013", "978-4101010014"), 0},
        {"to13 --hyphens none --column 2", "A\t4-10-101001-3\n", Ok("9784101010014", "4101010013", "A\t4-10-101001-3"),
         0},
        {"to10 --hyphens none 978-4-10-101001-4", "", Ok("4101010013", "4101010013", "978-4-10-101001-4"), 0},
        {"to13 --hyphens 0306406152", "", "", 2},
        // Japanese notation read as meant only when asked for.
        {"to13 --lenient",
         "４００３１０１０２２\n ISBN：4-06-184902-6\n１\n４００３１０１０２３\n\xC0\xB4-06-184902-6 \n",
         Ok("978-4003101025", "4003101022", "４００３１０１０２２") +
             Ok("978-4-06-184902-0", "4061849026", " ISBN：4-06-184902-6") + Refused("wrong-digit-count", "１") +
             Refused("bad-check-digit", "４００３１０１０２３") +
             Refused("wrong-digit-count", "\xC0\xB4-06-184902-6 "),   // 4 in an overlong form is none
         1},
        {"to13", "４００３１０１０２２\n", Refused("wrong-digit-count", "４００３１０１０２２"), 1},
        {"", "0306406152\n", "", 2},
        {"to11 0306406152", "", "", 2},
        {"to13 --bogus 0306406152", "", "", 2},
        {"to13 --column 2", row + "\n", Ok("978-0-306-40615-7", "0306406152", row), 0},
        {"to13", row + "\n", Refused("wrong-digit-count", row), 1},
        {"to10 --column 3", "9780306406157\tx\n\n",
         Refused("missing-column", "9780306406157\tx") + Refused("missing-column", ""), 1},
        {"to13 --column 2",
         row + pad + "\n" + pad + row + "\n",   // a long line's column known only within its first part
         Ok("978-0-306-40615-7", "0306406152", row + pad) + Refused("wrong-digit-count", pad + row), 1},
        // A cell with a line break, quoted as Excel saves it, and ditto marks, which it does not quote.
        {"to13 --column 3", "\"A\tB\n(new)\"\tX\t4101010102\r\n\"\t\"\t4-10-101001-3\r\n",
         Ok("978-4101010106", "4101010102", "\"A\tB\n(new)\"\tX\t4101010102") +
             Ok("978-4-10-101001-4", "4101010013", "\"\t\"\t4-10-101001-3"),
         0},
        // Rows that end with LF alone hold no quoted cells, whatever their quotes.
        {"to13 --column 3", "B\t\"\t4101010013\nC\t\"\t0306406152\n",
         Ok("978-4101010014", "4101010013", "B\t\"\t4101010013") +
             Ok("978-0306406157", "0306406152", "C\t\"\t0306406152"),
         0},
        // A quote inside a cell opens nothing, whatever follows.
        {"to13 --column 2", "12\"\n2\"\t4101010013\r\n",
         Refused("missing-column", "12\"") + Ok("978-4101010014", "4101010013", "2\"\t4101010013"), 1},
        {"to13 --column 0 0306406152", "", "", 2},
        {"to13 --column", "", "", 2},
        {"to13", huge, Refused("wrong-digit-count", huge), 1},     // held in memory, it would not fit
        {"to13", Repeat(mixed, 2000), Repeat(records, 2000), 1},   // more than the 64 KiB output buffer
    };
    for (const auto& run : kRuns) {
        SCOPED_TRACE(run.args + " with " + std::to_string(run.input.size()) + " bytes in");
        EXPECT_EQ(RunIsbnconv(run.args, run.input), run.status);
        EXPECT_TRUE(Contents("run.out") == run.output) << Contents("run.out").substr(0, 1000);   // too long to diff
    }
}

#ifdef _WIN32
// A console whose user types the given answers, one per question, presses Ctrl+C
// once a given text has been shown, and may do something else while asked.
struct ScriptedConsole : Console {
    std::vector<std::wstring> answers;
    std::wstring shown;
    std::wstring cancelWhenShown = L"never";
    Cancellation cancellation;
    std::function<void()> whileAsked = [] {};

    void Write(std::wstring_view text) override
    {
        shown += text;
        if (shown.find(cancelWhenShown) != std::wstring::npos) cancellation.requested = true;
    }
    bool ReadLine(std::wstring& line) override
    {
        whileAsked();
        if (answers.empty()) return false;
        line = answers.front();
        answers.erase(answers.begin());
        return true;
    }
    void DiscardTypedAhead() override
    {
        answers.clear();
        shown += L"|";
    }
};

std::wstring Problem(FileProblem problem) { return kProblemTexts[static_cast<int>(problem)]; }

std::string Utf8(std::wstring_view text)
{
    std::string utf8(text.size() * 3, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length));
    return utf8;
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string bytes;
    for (const char c : ascii) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// The container of an Excel 97 workbook, as far as its directory goes: the directory
// starts in sector 200 and goes on in sector 150, as the allocation table says in
// sector 1; both lie past the first 64 KiB, and the second names the "Workbook" stream.
std::string OldWorkbook()
{
    std::string file(202 * 512, '\0');
    file.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    file[0x1E] = 9;                                             // sectors of 2^9 bytes
    file[0x30] = static_cast<char>(200);                        // the directory's first sector
    file[0x4C + 4] = 1;                                         // the table's sector for entries 128 to 255
    file[2 * 512 + 4 * (200 - 128)] = static_cast<char>(150);   // sector 200 is followed by 150
    file.replace(151 * 512, 16, Utf16("Workbook", false));
    file[151 * 512 + 0x40] = 18;   // the name's bytes, its NUL included
    return file;
}

// Files as Explorer drops them, in a folder whose name holds a dot and Hangul, which
// code page 932 cannot spell. The first session is dropped onto the program and
// converts to ISBN-13; the second takes two files dragged onto the guide's window,
// converts to ISBN-10 and is stopped with Ctrl+C before its second file.
TEST(DropSession, WritesEachResultBesideItsFileAndLosesNothing)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / L"v1.2 書籍 한글";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string ansiRow =
        std::string("\x96\x7b\tISBN\x81\x46") + "4101010013";   // 本 and ISBN：, in code page 932
    const std::map<std::wstring, std::string> inputs = {
        {L"一覧.txt", kBom + "4-101-01001-3\r\n\r\n4 10 101001 3"},
        {L"一覧_ISBN13.txt", "already here"},
        {L"books", "4101010013\n" + std::string(600, '1')},   // more than a compound file's header
        {L"books_ISBN13.txt.tmp", "left over"},
        {L"utf16.txt", "\xFF\xFE" + Utf16("4-10-101001-3\r\n", false) + "\x11\xFF"},   // then a full-width 1
        {L"empty.txt", ""},
        {L"bom.txt", kBom},
        {L"binary.txt", std::string("4-10\0", 5)},
        {L"binary16.txt", "\xFF\xFE" + Utf16("4-10", false) + std::string(2, '\0')},
        {L"book.xlsx", "PK\x03\x04[Content_Types].xml xl/workbook.xml"},
        {L"old.xls", OldWorkbook()},
        {L"sheet.txt", "\xFF\xFE" + Utf16("Title\tISBN\r\n\"A\n(new)\"\t4-10-101001-3\r\nB\t0306406152\tnote", false)},
        {L"list 13.txt", "\xFE\xFF" + Utf16("978-4-10-101001-4\n", true)},
        {L"large.txt", Repeat("9784101010014\n", 6000)},   // more than one read
        {L"13s.txt", "9784101010014\r\n9780306406157\r\n"},
        {L"ansi.txt", ansiRow + "\r\n"},
    };
    for (const auto& [name, bytes] : inputs) std::ofstream(folder / name, std::ios::binary) << bytes;
    std::vector<std::wstring> dropped = {folder / L"一覧.txt", folder, folder / L"missing.txt"};
    for (const wchar_t* name : {L"books", L"utf16.txt", L"empty.txt", L"bom.txt", L"binary.txt", L"binary16.txt",
                                L"book.xlsx", L"old.xls", L"sheet.txt", L"13s.txt", L"ansi.txt"}) {
        dropped.push_back(folder / name);
    }

    ScriptedConsole onProgram;
    onProgram.answers = {L"3", L"１", L"typed during the conversion"};   // a wrong answer, then a full-width 1
    EXPECT_EQ(RunDesktopSession(dropped, onProgram, onProgram.cancellation), 1);
    ScriptedConsole onWindow;
    ASSERT_EQ(CopyToClipboard(L""), ClipboardAccess::Done) << "no text to offer";
    onWindow.answers = {
        L"\"" + (folder / L"list 13.txt").wstring() + L"\" \"" + (folder / L"large.txt").wstring() + L"\"",
        L"2"};   // as the console pastes two paths that hold spaces
    onWindow.cancelWhenShown = L"[2/2]";
    EXPECT_EQ(RunDesktopSession({}, onWindow, onWindow.cancellation), 1);

    const std::map<std::wstring, std::string> results = {
        {L"一覧_ISBN13 (2).txt", kBom + Ok("978-4-10-101001-4", "4101010013", "4-101-01001-3", "\r\n") +
                                     Refused("no-input", "", "\r\n") +
                                     Refused("invalid-data", "4 10 101001 3", "\r\n")},
        {L"books_ISBN13 (2).txt", Ok("9784101010014", "4101010013", "4101010013", "\r\n") +
                                      Refused("wrong-digit-count", std::string(600, '1'), "\r\n")},
        {L"utf16_ISBN13.txt", "\xFF\xFE" +
                                  Utf16(Ok("978-4-10-101001-4", "4101010013", "4-10-101001-3", "\r\n"), false) +
                                  Utf16("wrong-digit-count\t\t\t", false) + "\x11\xFF" + Utf16("\r\n", false)},
        {L"sheet_ISBN13.txt",
         "\xFF\xFE" + Utf16("status\tISBN-13\tASIN\tTitle\tISBN\r\n", false) +
             Utf16(Ok("978-4-10-101001-4", "4101010013", "\"A\n(new)\"\t4-10-101001-3", "\r\n"), false) +
             Utf16(Ok("9780306406157", "0306406152", "B\t0306406152\tnote", "\r\n"), false)},
        {L"ansi_ISBN13.txt", Ok("9784101010014", "4101010013", ansiRow, "\r\n")},
        {L"list 13_ISBN10.txt",
         "\xFE\xFF" + Utf16(Ok("4-10-101001-3", "4101010013", "978-4-10-101001-4", "\r\n"), true)},
    };
    for (const auto& [name, bytes] : results) EXPECT_EQ(Contents(folder / name), bytes);
    for (const auto& [name, bytes] : inputs) EXPECT_EQ(Contents(folder / name), bytes) << "an input changed";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), inputs.size() + results.size())
        << "a result of an empty, binary or cancelled file, or a temporary file, was left";

    const std::wstring summary = kConvertedLinesText + std::wstring(L"1\n") + kRefusedLinesText + L"1\n" +
                                 L"    文字数が違う (wrong-digit-count): 1\n" + kLongLinesText + L"1\n" + kResultText +
                                 L"books_ISBN13 (2).txt\n";
    for (const std::wstring& text :
         {std::wstring(kChooseAgainText), summary,
          kResultText + std::wstring(L"一覧_ISBN13 (2).txt（UTF-8、BOM 付き）"), Problem(FileProblem::Folder),
          Problem(FileProblem::NotFound), Problem(FileProblem::Empty) + L"\n\n[8/",
          Problem(FileProblem::Empty) + L"\n\n[7/", Problem(FileProblem::Binary),
          L"  左から 2 列目（見出し: ISBN）を変換します。\n  " + std::wstring(kHeadingRowText),
          L"old.xls\n" + Problem(FileProblem::ExcelWorkbook), L"13s.txt\n" + std::wstring(kOtherKindInFileTexts[0]),
          L"|" + std::wstring(kPressEnterText)}) {
        EXPECT_NE(onProgram.shown.find(text), std::wstring::npos) << "not shown: " << Utf8(text);
    }
    EXPECT_LT(onProgram.shown.find(L"book.xlsx\n" + Problem(FileProblem::ExcelWorkbook)),
              onProgram.shown.find(kChooseDirectionText))
        << "a workbook is named before the question";
    EXPECT_TRUE(onWindow.shown.starts_with(std::wstring(kGuideText) + kDropPromptText));
    EXPECT_NE(onWindow.shown.find(Problem(FileProblem::Cancelled)), std::wstring::npos);
}

// The clipboard's "HTML Format" block, whole.
std::string ClipboardHtml()
{
    std::string html;
    if (!OpenClipboard(nullptr)) return html;
    const HANDLE data = GetClipboardData(RegisterClipboardFormatW(L"HTML Format"));
    if (const auto* bytes = static_cast<const char*>(data != nullptr ? GlobalLock(data) : nullptr)) {
        html.assign(bytes, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return html;
}

// The header's offset of the given name, as a spreadsheet parses it.
std::size_t Offset(const std::string& html, const std::string& name)
{
    const std::size_t at = html.find(name + ":");
    return at == std::string::npos ? std::string::npos : std::stoul(html.substr(at + name.size() + 1, 10));
}

std::wstring ClipboardText()
{
    std::wstring text;
    DWORD sequence = 0;
    return ReadClipboardText(text, sequence) == ClipboardAccess::Done ? text : L"(no text)";
}

// A column copied in a spreadsheet, as Excel writes its text form, converted on the
// clipboard: one result row for each copied row, in the same order, as text and as
// cells marked as text, whatever the rows hold.
TEST(ClipboardSession, PutsOneResultRowForEachCopiedRow)
{
    const struct {
        std::wstring copied;
        std::string isbn, asin, reason;
    } kRows[] = {
        {L"4-10-101001-3", "978-4-10-101001-4", "4101010013", ""},
        {L"\"4101010013\n\t(上巻)\"", "", "", "文字数が違う"},   // a cell with a line break and a TAB
        {L"", "", "", "空の行"},
        {L"本 <&>\"題\"", "", "", "使えない文字、ハイフンの数や位置の誤り"},   // quotes as they stand
        // Japanese notation read as meant, and said so.
        {L" 0306406152 ", "9780306406157", "0306406152", "前後の空白を除いて読んで変換"},
        {L"ＩＳＢＮ：４－１０－１０１００１－３", "978-4-10-101001-4", "4101010013",
         "全角を半角として、「ISBN」の表示を除いて読んで変換"},
        {L"4ー10ー101001ー3", "978-4-10-101001-4", "4101010013", "長音やダッシュをハイフンとして読んで変換"},
        {L"978-4-10-101001-4", "", "", "ISBN-13 です（2 の向きで変換できます）"},
        {L"0306406152", "9780306406157", "0306406152", ""},
        {L"4-101-01001-3", "978-4-10-101001-4", "4101010013", ""},   // the agency's hyphens where the user's were
        {L"6111234560", "9786111234565", "6111234560",               // in a group with no registrant yet
         "国際 ISBN 機関の表（" + std::string(kAgencyRangesDateText) + "）にない範囲の番号。打ち間違いかもしれません"},
    };
    std::wstring column = L"ISBN\r\n";   // a heading
    std::string text = "ISBN-13\tASIN\t理由\r\n";
    std::string table = "<tr><td>ISBN-13</td><td>ASIN</td><td>理由</td></tr>\r\n";
    for (const auto& row : kRows) {
        column += row.copied + L"\r\n";
        text += row.isbn + "\t" + row.asin + "\t" + row.reason + "\r\n";
        table += "<tr><td class=t sdnum=\"1041;0;@\">" + row.isbn + "</td><td class=t sdnum=\"1041;0;@\">" + row.asin +
                 "</td><td>" + row.reason + "</td></tr>\r\n";
    }
    ASSERT_EQ(CopyToClipboard(column), ClipboardAccess::Done);
    ScriptedConsole console;
    console.answers = {L"1"};
    EXPECT_EQ(RunDesktopSession({}, console, console.cancellation), 1);
    EXPECT_EQ(Utf8(ClipboardText()), text);
    EXPECT_NE(console.shown.find(L"12" + std::wstring(kClipboardOfferText)), std::wstring::npos);
    EXPECT_EQ(console.shown.find(L"(no-input)"), std::wstring::npos) << "status words belong to result files";
    EXPECT_NE(console.shown.find(kClipboardDoneText), std::wstring::npos);

    std::string html = ClipboardHtml();
    ASSERT_TRUE(html.ends_with('\0')) << "the block ends in the NUL that the format asks for";
    html.pop_back();
    const std::size_t start = Offset(html, "StartHTML"), end = Offset(html, "EndHTML");
    const std::size_t fragment = Offset(html, "StartFragment"), fragmentEnd = Offset(html, "EndFragment");
    ASSERT_TRUE(end == html.size() && start < fragment && fragment < fragmentEnd && fragmentEnd < end) << html;
    EXPECT_EQ(html.substr(start, 6), "<html>");
    EXPECT_TRUE(html.substr(0, fragment).ends_with("<!--StartFragment-->"));
    EXPECT_EQ(html.substr(fragmentEnd, 18), "<!--EndFragment-->");
    EXPECT_NE(html.find("<style>.t{mso-number-format:\"\\@\";}</style>"), std::string::npos);
    EXPECT_EQ(html.substr(fragment, fragmentEnd - fragment), "<table>\r\n" + table + "</table>");
}

// Excel's "XML Spreadsheet" form of a copy, around its rows.
std::string Spreadsheet(const std::string& rows)
{
    return "<?xml version=\"1.0\"?>\r\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
           " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\r\n<Worksheet ss:Name=\"Sheet1\">\r\n"
           "<Table>\r\n" +
           rows + "</Table>\r\n</Worksheet>\r\n</Workbook>\r\n";
}

// A row of that form: each cell "S text" or "N number", or empty for a cell left out.
std::string XmlRow(const std::vector<std::string>& cells, const std::string& attributes = "")
{
    std::string row = "<Row" + attributes + ">";
    for (const std::string& cell : cells) {
        if (cell.empty()) continue;
        const char* type = cell[0] == 'N' ? "Number" : "String";
        row += "<Cell><Data ss:Type=\"" + std::string(type) + "\">" + cell.substr(2) + "</Data></Cell>";
    }
    return row + "</Row>\r\n";
}

// The 書名 and ISBN table whose ISBNs are typed as numbers.
std::string NumberTable(const std::vector<std::string>& numbers)
{
    std::string rows = XmlRow({"S 書名", "S ISBN"});
    for (const std::string& number : numbers) rows += XmlRow({"S 本", "N " + number});
    return Spreadsheet(rows);
}

// Rows of cells as Excel copies them: TABs between, CRLF after each.
std::wstring Copied(const std::vector<std::wstring>& rows)
{
    std::wstring text;
    for (const std::wstring& row : rows) text += row + L"\r\n";
    return text;
}

// A table of order numbers beside a few ISBNs: 60 books, two with an ISBN.
std::wstring SparseTable(std::wstring& results)
{
    std::wstring copied = L"書名\tISBN\t注文番号\r\n";
    results = L"ISBN-13\tASIN\t理由\r\n";
    for (int book = 0; book < 60; ++book) {
        const wchar_t* isbn = book == 10 ? L"4101010013" : book == 40 ? L"0306406152" : L"";
        copied += L"本\t" + std::wstring(isbn) + L"\t" + std::to_wstring(1234500000 + book * 7) + L"\r\n";
        results += book == 10   ? L"9784101010014\t4101010013\t\r\n"
                   : book == 40 ? L"9780306406157\t0306406152\t\r\n"
                                : L"\t\t空の行\r\n";
    }
    return copied;
}

// Whole tables copied: the ISBN column is found as a person would find it, the direction
// chosen decides between an ISBN-10 and an ISBN-13 column, the user between two alike.
// A heading row gets a heading row of its own, a mistyped first ISBN does not.
// Cells that Excel holds as numbers are read from the XML Spreadsheet form, where it agrees
// with the text, and an ISBN-10's lost leading zeros put back only where they were lost.
TEST(ClipboardSession, ConvertsTheIsbnColumnOfATable)
{
    const std::wstring books =
        Copied({L"書名\tISBN-10\tISBN-13", L"\"上巻\n(新装版)\"\t4-10-101001-3\t978-4-10-101001-4",
                L"本\t0306406152\t9780306406157"});
    const std::wstring ditto = Copied(
        {L"書名\t版\tISBN", L"A\t\"\t4101010013", L"B\t新版\t0306406152", L"C\t\"\t4088725093", L"D\t2版\t4101010013"});
    const std::wstring dittoResults =
        L"ISBN-13\tASIN\t理由\r\n9784101010014\t4101010013\t\r\n9780306406157\t0306406152\t\r\n"
        L"9784088725093\t4088725093\t\r\n9784101010014\t4101010013\t\r\n";
    const std::string dittoForm =
        Spreadsheet(XmlRow({"S 書名", "S 版", "S ISBN"}) + XmlRow({"S A", "S \"", "N 4101010013"}) +
                    XmlRow({"S B", "S 新版", "N 306406152"}) + XmlRow({"S C", "S &quot;", "N 4088725093"}) +
                    XmlRow({"S D", "S 2版", "N 4101010013"}));
    std::wstring sparseResults;
    const std::wstring sparse = SparseTable(sparseResults);
    const struct {
        std::wstring copied;
        std::vector<std::wstring> answers;
        std::vector<std::wstring> shown;
        std::wstring results;
        std::string spreadsheet = {};
        std::wstring notShown = L"never shown";
    } kCases[] = {
        {books,
         {L"1"},
         {L"左から 2 列目（見出し: ISBN-10）を変換します。\n" + std::wstring(kHeadingRowText)},
         L"ISBN-13\tASIN\t理由\r\n978-4-10-101001-4\t4101010013\t\r\n9780306406157\t0306406152\t\r\n"},
        {books,
         {L"2"},
         {L"左から 3 列目（見出し: ISBN-13）を変換します。\n"},
         L"ISBN-10\tASIN\t理由\r\n4-10-101001-3\t4101010013\t\r\n0306406152\t0306406152\t\r\n"},
        {L"4101010013\t0306406152\r\n",
         {L"1", L"3", L"２"},
         {L"  2   左から 2 列目   変換できるセル 1 / 1\n" + std::wstring(kColumnNumberText) + kColumnAgainText},
         L"9780306406157\t0306406152\t\r\n"},
        {L"本\t4-10-101001-4\r\n本\t4101010013\r\n本\t0306406152\r\n",
         {L"1"},
         {L"左から 2 列目を変換します。\n"},
         L"\t\t末尾1桁（チェック数字）が誤っている\r\n9784101010014\t4101010013\t\r\n9780306406157\t0306406152\t\r\n"},
        // Ditto marks, which Excel does not quote, as text alone and with the XML form;
        // a wrong number at the offer is asked again.
        {ditto, {L"3", L"1"}, {L"5 行 3 列", kChooseAgainText}, dittoResults},
        {ditto, {L"1"}, {L"5 行 3 列"}, dittoResults, dittoForm, kZerosRestoredText},
        // Two ISBNs among order numbers, of which some pass the ISBN-10 check by chance.
        {sparse, {L"1"}, {L"左から 2 列目（見出し: ISBN）を変換します。\n"}, sparseResults, {}, kCheckColumnText},
        // Numbers: 9.78410E+12 as shown; an ISBN-10 shown with its zero, one of a 0-00
        // publisher that lost three, and a 9-digit number that never was an ISBN.
        {Copied({L"書名\tISBN", L"本\t9.78410E+12"}),
         {L"2"},
         {kNumberCellsText + std::wstring(L"1\n")},
         L"ISBN-10\tASIN\t理由\r\n4101010013\t4101010013\t\r\n",
         NumberTable({"9784101010014"})},
        {Copied({L"書名\tISBN", L"本\t0306406152", L"本\t7123450", L"本\t123456788"}),
         {L"1"},
         {kZerosRestoredText + std::wstring(L"1\n")},
         L"ISBN-13\tASIN\t理由\r\n9780306406157\t0306406152\t\r\n9780007123452\t0007123450\t先頭の 0 を補って変換"
         L"\r\n\t\t文字数が違う\r\n",
         NumberTable({"306406152", "7123450", "123456788"})},
        // Rows and cells of the XML form placed by ss:Span and ss:Index.
        {Copied({L"書名\tISBN", L"\t", L"\t", L"本\t9.78410E+12"}),
         {L"2"},
         {kNumberCellsText + std::wstring(L"1\n")},
         L"ISBN-10\tASIN\t理由\r\n\t\t空の行\r\n\t\t空の行\r\n4101010013\t4101010013\t\r\n",
         Spreadsheet(XmlRow({"S 書名", "S ISBN"}) + "<Row ss:Span=\"1\"/><Row ss:Index=\"4\">" +
                     "<Cell><Data ss:Type=\"String\">本</Data></Cell><Cell ss:Index=\"2\">" +
                     "<Data ss:Type=\"Number\">9784101010014</Data></Cell></Row>")},
        // ISBNs that convert only the other way; a number cut short with no XML form.
        {Copied({L"978-4-10-101001-4", L"9780306406157"}),
         {L"1", L"2"},
         {kOtherDirectionTexts[0]},
         L"4-10-101001-3\t4101010013\t\r\n0306406152\t0306406152\t\r\n"},
        {Copied({L"書名\tISBN", L"本\t9.78410E+12", L"本\t978-4-10-101001-4", L"本\t9780306406157"}),
         {L"2"},
         {kCutShortNumbersText},
         L"ISBN-10\tASIN\t理由\r\n\t\t数値の表示で桁が欠けている\r\n4-10-101001-"
         L"3\t4101010013\t\r\n0306406152\t0306406152\t"
         L"\r\n"},
    };
    for (const auto& run : kCases) {
        SCOPED_TRACE(Utf8(run.copied.substr(0, 40)));
        ASSERT_EQ(CopyToClipboard(run.copied, run.spreadsheet), ClipboardAccess::Done);
        ScriptedConsole console;
        console.answers = run.answers;
        RunDesktopSession({}, console, console.cancellation);
        for (const std::wstring& shown : run.shown) {
            EXPECT_NE(console.shown.find(shown), std::wstring::npos) << Utf8(console.shown);
        }
        EXPECT_EQ(console.shown.find(run.notShown), std::wstring::npos) << Utf8(console.shown);
        EXPECT_EQ(ClipboardText(), run.results);
    }
}

// Stands for a shortage of memory as the second form is handed over.
HANDLE WINAPI RefuseHtml(UINT format, HANDLE memory)
{
    return format == CF_UNICODETEXT ? SetClipboardData(format, memory) : nullptr;
}

// Another program that opens the clipboard, says so through `opened`, and closes it
// 300 ms later.
DWORD WINAPI HoldClipboardBriefly(void* opened)
{
    OpenClipboard(nullptr);
    SetEvent(opened);
    Sleep(300);
    CloseClipboard();
    return 0;
}

// Every way a session can end without results: the clipboard holds what the console
// says, never one form without the other, and a refusal shows above the prompt.
TEST(ClipboardSession, LeavesTheClipboardAsTheConsoleSays)
{
    const std::wstring column = L"4-10-101001-3\r\n";
    const std::wstring books = L"書名\tISBN\r\nA\t4101010013\r\nB\t0306406152\r\n";
    std::wstring tooMany;
    for (int row = 0; row <= 1048576; ++row) tooMany += L"\r\n";
    const struct {
        std::wstring copied;
        std::vector<std::wstring> answers;
        std::wstring shown;
        std::wstring left;
        std::function<void()> whileAsked = [] {};
        SetClipboardDataCall set = nullptr;
        std::string spreadsheet = {};
        const wchar_t* cancelWhenShown = L"never";
    } kCases[] = {
        {column, {L""}, kClipboardUnchangedText, column, [] {}, nullptr, {}, kClipboardOfferText},      // Ctrl+C at the
                                                                                                        // question
        {column, {L"1"}, kClipboardUnchangedText, column, [] {}, nullptr, {}, kHyphensLikeInputText},   // and while
                                                                                                        // converting
        {column,
         {L"", L""},
         kClipboardChoiceText + (L"|" + std::wstring(kGuideText)) + kClipboardOfferAgainText,
         column},   // Enter for the guide, Enter again to close
        {L"書名\t価格\r\n本\t100\r\n", {L"1"}, kNoIsbnColumnText, L"書名\t価格\r\n本\t100\r\n"},
        {column, {L"1"}, kClipboardChangedText, L"newer", [] { CopyToClipboard(L"newer"); }},
        {column, {L"1"}, kClipboardEmptiedText, L"(no text)", [] {}, RefuseHtml},
        {L"4101010013\t0306406152\r\n", {L"1", L"", L"1"}, kClipboardUnchangedText, L"4101010013\t0306406152\r\n"},
        {tooMany, {}, kTooLargeText, tooMany},   // one row more than a sheet holds
        // The XML form without the text's second row, or with another string: no result
        // is placed by guess.
        {books,
         {L"1"},
         kFormsDisagreeText,
         books,
         [] {},
         nullptr,
         Spreadsheet(XmlRow({"S 書名", "S ISBN"}) + XmlRow({"S B", "N 306406152"}, " ss:Index=\"3\""))},
        {books,
         {L"1"},
         kFormsDisagreeText,
         books,
         [] {},
         nullptr,
         Spreadsheet(XmlRow({"S 書名", "S ISBN"}) + XmlRow({"S A", "N 4101010013"}) + XmlRow({"S C", "N 306406152"}))},
    };
    for (const auto& run : kCases) {
        SCOPED_TRACE(Utf8(run.shown.substr(0, 20)));
        ASSERT_EQ(CopyToClipboard(run.copied, run.spreadsheet), ClipboardAccess::Done);
        ScriptedConsole console;
        console.answers = run.answers;
        console.whileAsked = run.whileAsked;
        console.cancelWhenShown = run.cancelWhenShown;
        ReplaceSetClipboardData(run.set);
        RunDesktopSession({}, console, console.cancellation);
        ReplaceSetClipboardData(nullptr);
        EXPECT_NE(console.shown.find(run.shown), std::wstring::npos) << Utf8(console.shown);
        EXPECT_EQ(ClipboardText(), run.left);
    }

    // Held by another program for longer than the session waits.
    ASSERT_EQ(CopyToClipboard(column), ClipboardAccess::Done);
    ASSERT_TRUE(OpenClipboard(nullptr));
    ScriptedConsole console;
    EXPECT_EQ(RunDesktopSession({}, console, console.cancellation), 0);
    CloseClipboard();
    EXPECT_TRUE(console.shown.ends_with(kGuideText + std::wstring(kClipboardBusyText) + kDropPromptText));
    EXPECT_EQ(ClipboardText(), column);

    // Held for a moment, as Excel holds it while it renders a copy: waited for.
    const HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE holder = CreateThread(nullptr, 0, HoldClipboardBriefly, opened, 0, nullptr);
    WaitForSingleObject(opened, INFINITE);
    console.answers = {L"1"};
    EXPECT_EQ(RunDesktopSession({}, console, console.cancellation), 0);
    EXPECT_EQ(ClipboardText(), L"978-4-10-101001-4\t4101010013\t\r\n");
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    CloseHandle(opened);
}
#endif

}   // namespace
