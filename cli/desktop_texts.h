// Every Japanese text that isbnconv.exe shows in its own console window (started
// from Explorer), as UTF-16.
#pragma once

#include "dropped_file.h"

// Double-clicked: what the tool does and how to use it.
inline constexpr wchar_t kWelcomeText[] =
    L"isbnconv: ISBN-10 と ISBN-13 をまとめて変換します\n"
    L"\n"
    L"ISBN を1行に1つずつ書いたテキストファイル（メモ帳で保存したもの、表計算\n"
    L"ソフトの1列をテキストとして保存したもの）を、この isbnconv.exe のアイコン\n"
    L"にドラッグ アンド ドロップしてください。複数のファイルをまとめてドロップ\n"
    L"することもできます。変換の向きを尋ねたあと、それぞれのファイルの横に結果\n"
    L"のファイルを作ります。元のファイルは変更しません。\n"
    L"\n"
    L"  ISBN-10 → ISBN-13   結果は「元の名前_ISBN13.txt」\n"
    L"  ISBN-13 → ISBN-10   結果は「元の名前_ISBN10.txt」\n"
    L"\n"
    L"結果は1行に1件、タブ区切りで「状態、変換後の ISBN、ASIN、元の行」です。\n"
    L"1件ずつ画面で変換するときは Quenzel.exe を使ってください。\n"
    L"\n"
    L"コマンドプロンプトからは次のように使います（詳しくは README.txt）。\n"
    L"  isbnconv to13 [--] [入力...]    ISBN-10 → ISBN-13\n"
    L"  isbnconv to10 [--] [入力...]    ISBN-13（978）→ ISBN-10\n"
    L"  isbnconv to13 < 入力.txt > 結果.txt\n"
    L"\n";

inline constexpr wchar_t kPressEnterText[] = L"Enter キーを押すと閉じます。";

// The direction question, after the list of dropped files.
inline constexpr wchar_t kFilesToConvertText[] = L" 個のファイルを変換します。\n";
inline constexpr wchar_t kChooseDirectionText[] =
    L"\n変換の向きを選び、番号を入力して Enter キーを押してください。\n"
    L"  1   ISBN-10 → ISBN-13\n"
    L"  2   ISBN-13 → ISBN-10\n"
    L"番号: ";
inline constexpr wchar_t kChooseAgainText[] = L"1 か 2 を入力してください。\n番号: ";
inline constexpr wchar_t kNothingDoneText[] = L"\n中止しました。ファイルは作っていません。\n";
inline constexpr wchar_t kStoppedText[] = L"\n中止しました。残りのファイルは変換していません。\n";

// A file's summary.
inline constexpr wchar_t kConvertedLinesText[] = L"  変換できた行: ";
inline constexpr wchar_t kRefusedLinesText[] = L"  変換できなかった行: ";
inline constexpr wchar_t kResultText[] = L"  結果: ";
inline constexpr wchar_t kLongLinesText[] = L"  長すぎる行（256 バイト超。桁数の誤りとして数えています）: ";

// Why lines were refused, with the status word that the result file shows, in the
// order of ConversionOutcome (Converted has none).
inline constexpr const wchar_t* kRefusalReasons[] = {
    nullptr,
    L"    空の行 (no-input): ",
    L"    桁数が誤っている (wrong-digit-count): ",
    L"    使えない文字、ハイフンの数や位置の誤り (invalid-data): ",
    L"    末尾1桁（チェック数字）が誤っている (bad-check-digit): ",
    L"    先頭3桁が 978 でない (bad-prefix): ",
};

// What became of a file that could not be converted, in the order of FileProblem.
inline constexpr const wchar_t* kProblemTexts[] = {
    nullptr,
    L"  ファイルが見つかりません。",
    L"  フォルダーです。フォルダーの中のテキストファイルをドロップしてください。",
    L"  ファイルを開けませんでした。ほかのプログラムが使っていないか確かめてください。",
    L"  空のファイルです。結果のファイルは作っていません。",
    L"  テキストファイルではありません（NUL 文字を含みます）。メモ帳で「UTF-16」\n"
    L"  で保存したファイルなら、「UTF-8」か「ANSI」を選んで保存し直してください。\n"
    L"  結果のファイルは作っていません。",
    L"  読み込みの途中で失敗しました。結果のファイルは作っていません。",
    L"  結果のファイルを作れませんでした。フォルダーに書き込めるか確かめてください。",
    L"  結果のファイルを書き終えられませんでした。ディスクの空きを確かめてください。\n"
    L"  書きかけのファイルは削除しました。",
    L"  中止しました。書きかけの結果のファイルは削除しました。",
};
static_assert(std::size(kProblemTexts) == static_cast<std::size_t>(FileProblem::Cancelled) + 1);
