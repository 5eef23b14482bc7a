#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "code_page_932.h"
#include "messages.h"
#include "texts.h"

namespace {

using O = ConversionOutcome;

struct TextRow {
    const char* name;
    const char* stored;
    std::size_t storedSize;   // sizeof, so that a NUL inside would show as a short text
    const char* utf8;
    std::size_t bytes;
};

#define TEXT_ROW(name, utf8, bytes) {#name, name, sizeof name - 1, utf8, bytes}

const TextRow kTexts[] = {
    TEXT_ROW(ErrorCaption, "エラーメッセージ", 16),
    TEXT_ROW(NoticeCaption, "メッセージ", 10),
    TEXT_ROW(NoInputMessage, "WARNING:\nデータが入力されていません.", 36),
    TEXT_ROW(WrongDigitCountMessage, "WARNING:\n入力されたデータの桁数が誤っています.", 46),
    TEXT_ROW(InvalidDataMessage, "WARNING:\n入力されたデータは誤っています.", 40),
    TEXT_ROW(BadCheckDigitMessage, "WARNING:\n末尾1桁が誤っています.", 31),
    TEXT_ROW(BadPrefixMessage, "WARNING:\n先頭3桁が誤っています.", 31),
    TEXT_ROW(PrefixNotice, "先頭の3桁は誤っている可能性があります.", 38),
    TEXT_ROW(UnexpectedErrorMessage, "ERROR:\n予期せぬエラーが発生しました.", 36),
    TEXT_ROW(HintModeOld2New, "10桁のISBNを13桁に変換します。", 30),
    TEXT_ROW(HintModeNew2Old, "13桁のISBNを10桁に変換します。", 30),
    TEXT_ROW(HintStart, "選択した処理を起動します。", 26),
    TEXT_ROW(HintQuit, "プログラムを終了します。", 24),
    TEXT_ROW(HintInputIsbn10, "10桁のISBNを入力します。", 24),
    TEXT_ROW(HintInputIsbn13, "13桁のISBNを入力します。", 24),
    TEXT_ROW(HintShowIsbn13, "13桁のISBNを表示します。", 24),
    TEXT_ROW(HintShowIsbn10, "10桁のISBNを表示します。", 24),
    TEXT_ROW(HintCopyIsbn, "ISBNをクリップボードにコピーします。", 36),
    TEXT_ROW(HintShowAsin, "ASINを表示します。", 18),
    TEXT_ROW(HintCopyAsin, "ASINをクリップボードにコピーします。", 36),
    TEXT_ROW(HintConvert, "入力されたISBNを変換します。", 28),
    TEXT_ROW(HintClear, "データをクリアします。", 22),
    TEXT_ROW(HintClose, "ダイアログを閉じます。", 22),
};

TEST(MessageBytes, EveryTextIsItsCodePage932Encoding)
{
    for (const TextRow& row : kTexts) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.storedSize, row.bytes);
        EXPECT_EQ(std::strlen(row.stored), row.bytes);
        EXPECT_EQ(std::string(row.stored, row.storedSize), ToCodePage932(row.utf8));
    }
}

// 予, 能 and 表 end in 0x5C, the ASCII backslash: it must stay a plain data byte.
TEST(MessageBytes, TrailBytes5CAreKept)
{
    EXPECT_EQ(std::string(UnexpectedErrorMessage).substr(7, 2), "\x97\x5c");
    EXPECT_NE(std::strstr(PrefixNotice, "\x94\x5c"), nullptr);
    for (const char* hint : {HintShowIsbn13, HintShowIsbn10, HintShowAsin}) {
        SCOPED_TRACE(hint);
        EXPECT_NE(std::strstr(hint, "\x95\x5c"), nullptr);
    }
}

TEST(MessageBytes, RefusalsShareOneCatalogue)
{
    struct Row {
        O outcome;
        const char* text;
    };
    const Row kRows[] = {
        {O::NoInput, NoInputMessage},
        {O::WrongDigitCount, WrongDigitCountMessage},
        {O::InvalidData, InvalidDataMessage},
        {O::BadCheckDigit, BadCheckDigitMessage},
        {O::BadPrefix, BadPrefixMessage},
    };
    for (const Row& row : kRows) {
        EXPECT_EQ(OutcomeMessage(row.outcome), row.text);
        // "WARNING:", exactly one line feed, a sentence, an ASCII full stop.
        const std::string text = row.text;
        EXPECT_EQ(text.rfind("WARNING:\n", 0), 0u) << text;
        EXPECT_EQ(text.find('\n', 9), std::string::npos);
        EXPECT_EQ(text.find('\r'), std::string::npos);
        EXPECT_EQ(text.back(), '.');
    }
    EXPECT_STREQ(OutcomeMessage(O::Converted), "");
}

}  // namespace
