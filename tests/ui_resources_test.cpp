// The resources as stored in the built program, read back from Quenzel.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "ui_driver.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kNoId = 0xFFFF;

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

class Resources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(module_, nullptr) << ProgramPath(); }
    void TearDown() override { FreeLibrary(module_); }

    // The resource's bytes, once Japanese is found to be its one and only language.
    std::vector<BYTE> Load(LPCSTR type, LPCSTR name)
    {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(module_, type, name, CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{kJapanese});
        const HRSRC found = FindResourceExA(module_, type, name, kJapanese);
        if (found == nullptr) return {};
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        return std::vector<BYTE>(bytes, bytes + SizeofResource(module_, found));
    }

    HMODULE module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
};

// Reads a dialog template of the old, not extended, form.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<BYTE>& bytes) : bytes_(bytes) {}
    WORD Word()
    {
        WORD value = 0;
        if (at_ + 2 <= bytes_.size()) std::memcpy(&value, &bytes_[at_], 2);
        at_ += 2;
        return value;
    }
    DWORD Dword() { return Word() | static_cast<DWORD>(Word()) << 16; }
    short Short() { return static_cast<short>(Word()); }
    // Text up to its NUL; an ordinal comes back as 0xFFFF and the number.
    std::wstring Text()
    {
        std::wstring text;
        for (WORD unit = Word(); unit != 0 && at_ <= bytes_.size(); unit = Word()) {
            text += static_cast<wchar_t>(unit);
            if (unit == 0xFFFF && text.size() == 1) return text + static_cast<wchar_t>(Word());
        }
        return text;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~std::size_t{3}; }
    bool AtEnd() const { return at_ >= bytes_.size(); }

private:
    const std::vector<BYTE>& bytes_;
    std::size_t at_ = 0;
};

struct ItemRow {
    WORD id, classOrdinal;
    DWORD style;
    short x, y, cx, cy;
    std::wstring text;
};

struct TemplateRow {
    const char* name;
    DWORD style, exStyle;
    short cx, cy;
    std::wstring caption;
    std::vector<ItemRow> items;
};

std::vector<ItemRow> ConversionItems(const wchar_t* isbnLabel)
{
    return {
        {IDC_INPUT, kEdit, 0x50810080, 4, 4, 152, 12, L""},
        {kNoId, kStatic, 0x50000000, 4, 22, 116, 8, isbnLabel},
        {IDC_ISBN, kEdit, 0x50810880, 4, 32, 116, 12, L""},
        {IDC_COPY_ISBN, kButton, 0x50010F00, 124, 31, 32, 14, L"コピー"},
        {kNoId, kStatic, 0x50000000, 4, 50, 116, 8, L"ASIN"},
        {IDC_ASIN, kEdit, 0x50810880, 4, 60, 116, 12, L""},
        {IDC_COPY_ASIN, kButton, 0x50010F00, 124, 59, 32, 14, L"コピー"},
        {IDOK, kButton, 0x50010F01, 28, 78, 32, 16, L"実行"},
        {IDC_CLEAR, kButton, 0x50010F00, 64, 78, 32, 16, L"クリア"},
        {IDCANCEL, kButton, 0x50010F00, 100, 78, 32, 16, L"戻る"},
    };
}

TEST_F(Resources, DialogTemplatesHoldExactlyTheirControls)
{
    const TemplateRow kRows[] = {
        {"IDD_DIALOG", 0x80CA00C0, WS_EX_TOPMOST, 128, 54, L"Dovrant",
         {{IDC_OLD2NEW, kButton, 0x50030D09, 4, 4, 120, 10, L"ISBN（10桁）→ISBN（13桁）"},
          {IDC_NEW2OLD, kButton, 0x50010D09, 4, 18, 120, 10, L"ISBN（13桁）→ISBN（10桁）"},
          {IDOK, kButton, 0x50030F01, 56, 34, 32, 16, L"実行"},
          {IDCANCEL, kButton, 0x50010F00, 92, 34, 32, 16, L"終了"}}},
        {"IDD_OLD2NEW", 0x80C800C0, 0, 160, 98, L"10桁→13桁", ConversionItems(L"ISBN-13")},
        {"IDD_NEW2OLD", 0x80C800C0, 0, 160, 98, L"13桁→10桁", ConversionItems(L"ISBN-10")},
    };
    for (const TemplateRow& row : kRows) {
        SCOPED_TRACE(row.name);
        const std::vector<BYTE> bytes = Load(RT_DIALOG, row.name);
        ASSERT_FALSE(bytes.empty());
        TemplateReader reader(bytes);
        EXPECT_EQ(reader.Dword(), row.style) << "an extended template starts with 0xFFFF0001";
        EXPECT_EQ(reader.Dword(), row.exStyle);
        const WORD count = reader.Word();
        EXPECT_EQ(count, row.items.size());
        const short frame[] = {reader.Short(), reader.Short(), reader.Short(), reader.Short()};
        EXPECT_EQ(std::vector<short>(frame, frame + 4), (std::vector<short>{0, 0, row.cx, row.cy}));
        EXPECT_EQ(reader.Text(), L"") << "menu";
        EXPECT_EQ(reader.Text(), L"") << "window class";
        EXPECT_EQ(reader.Text(), row.caption);
        EXPECT_EQ(reader.Word(), 9) << "font size";
        EXPECT_EQ(reader.Text(), L"MS UI Gothic");
        for (std::size_t i = 0; i < count && i < row.items.size(); ++i) {
            const ItemRow& item = row.items[i];
            SCOPED_TRACE("control " + std::to_string(i + 1));
            reader.AlignToDword();
            EXPECT_EQ(reader.Dword(), item.style);
            EXPECT_EQ(reader.Dword(), 0u) << "extended style";
            const short place[] = {reader.Short(), reader.Short(), reader.Short(), reader.Short()};
            EXPECT_EQ(std::vector<short>(place, place + 4), (std::vector<short>{item.x, item.y, item.cx, item.cy}));
            EXPECT_EQ(reader.Word(), item.id);
            EXPECT_EQ(reader.Text(), (std::wstring{wchar_t{0xFFFF}, static_cast<wchar_t>(item.classOrdinal)}));
            EXPECT_EQ(reader.Text(), item.text);
            EXPECT_EQ(reader.Word(), 0) << "creation data";
        }
        reader.AlignToDword();
        EXPECT_TRUE(reader.AtEnd()) << "bytes after the last control";
    }
}

// One layout for both directions: only the digits of the caption and of the
// result label differ.
TEST_F(Resources, ConversionTemplatesDifferInThreeCharacters)
{
    const std::vector<BYTE> old2New = Load(RT_DIALOG, "IDD_OLD2NEW");
    const std::vector<BYTE> new2Old = Load(RT_DIALOG, "IDD_NEW2OLD");
    ASSERT_EQ(old2New.size(), new2Old.size());
    int differences = 0;
    for (std::size_t i = 0; i + 1 < old2New.size(); i += 2) {
        differences += old2New[i] != new2Old[i] || old2New[i + 1] != new2Old[i + 1];
    }
    EXPECT_EQ(differences, 3);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, IconGroupHoldsTheLargeAndTheSmallIcon)
{
    std::vector<BYTE> group = Load(RT_GROUP_ICON, "IDI_ICON");
    ASSERT_EQ(group.size(), 6 + 2 * sizeof(GroupIconEntry));
    EXPECT_EQ(std::vector<BYTE>(group.begin(), group.begin() + 6), (std::vector<BYTE>{0, 0, 1, 0, 2, 0}));
    const GroupIconEntry kRows[] = {{32, 32, 0, 0, 1, 24, 2216, 1}, {16, 16, 0, 0, 1, 24, 1384, 2}};
    for (std::size_t i = 0; i < 2; ++i) {
        const GroupIconEntry& want = kRows[i];
        SCOPED_TRACE("icon " + std::to_string(want.id));
        GroupIconEntry entry;
        std::memcpy(&entry, &group[6 + i * sizeof entry], sizeof entry);
        EXPECT_EQ(std::memcmp(&entry, &want, sizeof entry), 0) << int{entry.width} << "x" << int{entry.height} << ", "
                                                              << entry.bitCount << " bits, " << entry.bytes
                                                              << " bytes, id " << entry.id;
        EXPECT_EQ(Load(RT_ICON, MAKEINTRESOURCEA(want.id)).size(), want.bytes);
        EXPECT_EQ(LookupIconIdFromDirectoryEx(group.data(), TRUE, want.width, want.height, LR_DEFAULTCOLOR), want.id);
    }
}

TEST_F(Resources, VersionBlockNamesTheProgram)
{
    Load(RT_VERSION, MAKEINTRESOURCEA(1));
    const std::string path = ProgramPath();
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    void* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &size));
    ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000003u) << "0.3";
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00020000u) << "2.0";
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00000003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileOS, 0x40004u);
    EXPECT_EQ(fixed->dwFileType, 1u);

    const std::pair<const char*, std::string> kStrings[] = {
        {"FileVersion", "ver 0.03b"}, {"InternalName", "Quenzel"},       {"OriginalFilename", "Quenzel.exe"},
        {"ProductName", "Dovrant"},   {"ProductVersion", "ver 0.03b"},
    };
    for (const auto& [name, text] : kStrings) {
        SCOPED_TRACE(name);
        const std::string key = std::string("\\StringFileInfo\\041103A4\\") + name;
        ASSERT_TRUE(VerQueryValueA(block.data(), key.c_str(), &value, &size));
        EXPECT_EQ(std::string(static_cast<const char*>(value)), text);
    }
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &size));
    ASSERT_EQ(size, 4u);
    const auto* translation = static_cast<const BYTE*>(value);
    EXPECT_EQ(std::vector<BYTE>(translation, translation + 4), (std::vector<BYTE>{0x11, 0x04, 0xA4, 0x03}));
}

}  // namespace
