// Every Japanese text that isbnconv.exe shows in its own console window (started
// from Explorer), as UTF-16. Lines stay within 78 columns, a full-width character
// taking two, so that they fit the console's default 80-column window.
#pragma once

#include <iterator>

#include "dropped_file.h"

// Double-clicked: what the tool does and how to use it. A note on the clipboard may
// follow, then the prompt for files dragged onto this window.
inline constexpr wchar_t kGuideText[] =
    L"isbnconv: ISBN-10 と ISBN-13 をまとめて変換します\n"
    L"\n"
    L"■ Excel の表を変換する\n"
    L"Excel で ISBN の列か表全体をコピーしてから isbnconv.exe をダブルクリックし、\n"
    L"変換の向きを選びます。ISBN の列を見つけて変換し、結果をクリップボードに\n"
    L"入れます。結果はコピーした1行ごとに3列（変換後の ISBN、ASIN、変換できな\n"
    L"かった理由）です。ISBN の列の右に空いた列を3つ挿入してから貼り付けると、\n"
    L"元の表を上書きせずに行がそろいます。1行目の見出しは見出しのまま残します。\n"
    L"数値として入力した ISBN も、値から読んで変換します。\n"
    L"\n"
    L"■ ファイルを変換する\n"
    L"ISBN の列や表を「テキスト (タブ区切り)」か「Unicode テキスト」で保存した\n"
    L"ファイル（メモ帳で1行に1つずつ書いたものでも）を、エクスプローラーでこの\n"
    L"isbnconv.exe のアイコンにドラッグ アンド ドロップしてください。複数の\n"
    L"ファイルをまとめてドロップすることもできます。元のファイルと同じフォルダー\n"
    L"に「元の名前_ISBN13.txt」か「元の名前_ISBN10.txt」を作ります。結果は1行に\n"
    L"1件で、タブで区切った「状態、変換後の ISBN、ASIN、元の行」です。元の\n"
    L"ファイルは変更しません。\n"
    L"\n"
    L"1件ずつ画面で変換するときは Quenzel.exe を使ってください。\n"
    L"コマンドプロンプト、スクリプト、タスクからは、必ず to13 か to10 を付けて\n"
    L"使います（詳しくは README.txt）。\n"
    L"  isbnconv to13 [オプション] [--] [入力...]    ISBN-10 → ISBN-13\n"
    L"  isbnconv to10 [オプション] [--] [入力...]    ISBN-13（978）→ ISBN-10\n"
    L"  （オプションは --column N、--hyphens as-typed|agency|none、--lenient）\n"
    L"  isbnconv to13 < 入力.txt > 結果.txt\n"
    L"\n";
inline constexpr wchar_t kDropPromptText[] =
    L"このウィンドウにファイルをドラッグ アンド ドロップして Enter キーを押しても\n"
    L"変換できます。Enter キーだけを押すと閉じます。\n"
    L"> ";

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

// Double-clicked with text on the clipboard. The offer follows the number of rows,
// or of rows and columns; the choice of direction follows the offer.
inline constexpr wchar_t kClipboardOfferText[] = L" 行の文字がクリップボードにあります（Excel でコピーした列など）。\n";
inline constexpr wchar_t kRowsAndText[] = L" 行 ";
inline constexpr wchar_t kClipboardTableOfferText[] =
    L" 列の表がクリップボードにあります（Excel でコピーした表など）。\n"
    L"ISBN の列を探します。\n";
inline constexpr wchar_t kClipboardChoiceText[] =
    L"変換して、結果をクリップボードに入れることができます。\n"
    L"  1   ISBN-10 → ISBN-13\n"
    L"  2   ISBN-13 → ISBN-10\n"
    L"番号を入力して Enter キーを押してください。使い方の説明を見るときは、\n"
    L"Enter キーだけを押してください。\n"
    L"番号: ";
// After the guide, the offer stands again; files dragged onto the window are taken too.
inline constexpr wchar_t kClipboardOfferAgainText[] =
    L"\nクリップボードの行は、まだ変換できます。変換の向きの番号を入力して\n"
    L"Enter キーを押してください。\n"
    L"  1   ISBN-10 → ISBN-13\n"
    L"  2   ISBN-13 → ISBN-10\n"
    L"このウィンドウにファイルをドラッグ アンド ドロップして Enter キーを押すと、\n"
    L"そのファイルを変換します。Enter キーだけを押すと閉じます。\n"
    L"番号: ";
// The table's ISBNs convert only the other way: by the direction chosen, 1 or 2.
inline constexpr const wchar_t* kOtherDirectionTexts[] = {
    L"\nコピーした ISBN は ISBN-13 のようです。2（ISBN-13 → ISBN-10）を選んで\n"
    L"ください。\n"
    L"番号: ",
    L"\nコピーした ISBN は ISBN-10 のようです。1（ISBN-10 → ISBN-13）を選んで\n"
    L"ください。\n"
    L"番号: ",
};
// Reasons of a refused row that converts the other way, by the direction chosen, 1 or 2.
inline constexpr const wchar_t* kOtherDirectionNotes[] = {
    L"ISBN-13 です（2 の向きで変換できます）",
    L"ISBN-10 です（1 の向きで変換できます）",
};
inline constexpr wchar_t kOtherDirectionRowsText[] = L"    うち、もう一方の向きなら変換できる行: ";
// Converted ISBNs are written as the user wrote theirs, on the clipboard and in files.
inline constexpr wchar_t kHyphensLikeInputText[] =
    L"  ハイフンは元の ISBN にあれば ISBN 機関の位置に入れ、なければ省きます。\n";
// A converted ISBN in a range that the agency's table, of the date between, does not assign.
inline constexpr wchar_t kUnassignedBeforeText[] = L"国際 ISBN 機関の表（";
inline constexpr wchar_t kUnassignedAfterText[] = L"）にない範囲の番号。打ち間違いかもしれません";
inline constexpr wchar_t kUnassignedRowsText[] = L"    うち、国際 ISBN 機関の表にない範囲の ISBN: ";
// What was read otherwise than written, in the order of NotationRead's flags, joined by
// 「、」 and followed by kReadNoteEnd in the reason column.
inline constexpr const wchar_t* kReadNoteParts[] = {
    L"全角を半角として",
    L"長音やダッシュをハイフンとして",
    L"「ISBN」の表示を除いて",
    L"前後の空白を除いて",
};
inline constexpr wchar_t kReadNoteEnd[] = L"読んで変換";
inline constexpr wchar_t kReadOtherwiseText[] = L"    うち、全角や「ISBN」の表示などを読み替えて変換した行: ";
// A number that the text form shows cut short, and no XML form to read its value from.
inline constexpr wchar_t kCutShortNote[] = L"数値の表示で桁が欠けている";
inline constexpr wchar_t kCutShortNumbersText[] =
    L"  数値として表示されたセル（9.78410E+12 など）は桁が欠けているので、列の\n"
    L"  表示形式を「数値」（小数点以下の桁数 0）にしてからコピーし直してください。\n";
// The copy cannot be read with certainty, or is larger than any sheet.
inline constexpr wchar_t kFormsDisagreeText[] =
    L"\nクリップボードの文字と表の形式とで行やセルが食い違っていて、結果を置く行を\n"
    L"決められないため、変換しません。クリップボードはそのままです。\n";
inline constexpr wchar_t kTooLargeText[] =
    L"\nクリップボードの表が大きすぎる（Excel の 1,048,576 行を超えるなど）ため、\n"
    L"変換しません。クリップボードはそのままです。\n";

// Which column of a table: several look like ISBNs, or none does.
inline constexpr wchar_t kWhichColumnText[] =
    L"\nISBN の列が複数あるようです。変換する列の番号を入力して Enter キーを押して\n"
    L"ください。やめるときは Enter キーだけを押してください。\n";
inline constexpr wchar_t kCheckColumnText[] =
    L"\nISBN として変換できるセルが少ないので、ISBN の列かどうか分かりません。\n"
    L"この列を変換するときは番号を入力して Enter キーを、やめるときは Enter キー\n"
    L"だけを押してください。\n";
inline constexpr wchar_t kConvertibleCellsText[] = L"変換できるセル ";
inline constexpr wchar_t kColumnFromLeftText[] = L"左から ";
inline constexpr wchar_t kColumnText[] = L" 列目";
inline constexpr wchar_t kHeadingBeforeText[] = L"（見出し: ";
inline constexpr wchar_t kHeadingAfterText[] = L"）";
inline constexpr wchar_t kColumnNumberText[] = L"番号: ";
inline constexpr wchar_t kColumnAgainText[] = L"上の番号から選んでください。\n番号: ";
inline constexpr wchar_t kNoIsbnColumnText[] =
    L"\nどの列にも、この向きで変換できる ISBN がありません。クリップボードは\n"
    L"そのままです。\n";
inline constexpr wchar_t kConvertingColumnText[] = L"を変換します。\n";
inline constexpr wchar_t kHeadingRowText[] = L"1行目は見出しなので変換せず、結果にも見出しの行を付けます。\n";

// Cells that Excel holds as numbers, read from their value rather than as shown.
inline constexpr wchar_t kNumberCellsText[] = L"  数値のセル（表示ではなく値から読んだもの）: ";
inline constexpr wchar_t kZerosRestoredText[] = L"    うち、消えていた先頭の 0 を補った ISBN-10: ";
inline constexpr wchar_t kZeroRestoredNote[] = L"先頭の 0 を補って変換";

// The heading of the results' reason column; the other two are ISBN-13 or ISBN-10, and ASIN.
inline constexpr wchar_t kReasonHeading[] = L"理由";

// The results are pasted into new columns, so that no cell of the user's is overwritten.
inline constexpr wchar_t kClipboardDoneText[] =
    L"\n結果をクリップボードに入れました。コピーした行ごとに3列（変換後の ISBN、\n"
    L"ASIN、変換できなかった理由）です。どのセルも文字列なので、先頭の 0 も\n"
    L"消えません。Excel では、貼り付ける前に空いた列を3つ作ってください。\n"
    L"  1. ISBN の列のすぐ右の列番号（B、C などの文字）を右クリックして「挿入」を\n"
    L"     選びます。これを3回繰り返すと、ISBN の列の右に空いた列が3つできます。\n"
    L"  2. ISBN の列の、コピーした最初の行のセルのすぐ右のセルを選び、Ctrl+V を\n"
    L"     押します。\n"
    L"メモ帳にはタブ区切りの文字で貼り付けられます。\n"
    L"\n";
inline constexpr wchar_t kClipboardBusyText[] =
    L"ほかのプログラムがクリップボードを使っていて、読めませんでした。\n"
    L"\n";
inline constexpr wchar_t kClipboardUnchangedText[] = L"\n中止しました。クリップボードはそのままです。\n";
inline constexpr wchar_t kClipboardEmptiedText[] =
    L"\n結果をクリップボードに入れられず、クリップボードは空になりました。\n"
    L"もう一度 Excel で列をコピーしてから、起動し直してください。\n";
inline constexpr wchar_t kClipboardChangedText[] =
    L"\n読んだあとで、クリップボードにほかのものがコピーされました。それを消さない\n"
    L"よう、結果は入れていません。変換するときは、もう一度起動してください。\n";
inline constexpr wchar_t kOutOfMemoryText[] =
    L"\nメモリが足りず、変換できませんでした。クリップボードはそのままです。\n"
    L"行を分けてコピーし、少しずつ変換してください。\n";
inline constexpr wchar_t kClipboardNotWrittenText[] =
    L"\nほかのプログラムがクリップボードを使っていて、結果を入れられませんでした。\n"
    L"クリップボードはそのままです。少し待ってから、もう一度起動してください。\n";

// A file's summary.
inline constexpr wchar_t kConvertedLinesText[] = L"  変換できた行: ";
inline constexpr wchar_t kRefusedLinesText[] = L"  変換できなかった行: ";
inline constexpr wchar_t kResultText[] = L"  結果: ";
inline constexpr wchar_t kMissingColumnsText[] = L"    ISBN の列まで項目がない行 (missing-column): ";
inline constexpr wchar_t kNoIsbnColumnInFileText[] =
    L"  どの列にも、この向きで変換できる ISBN がありません。結果のファイルは\n"
    L"  作っていません。\n";
// A file whose ISBNs convert only the other way, by the direction chosen, 1 or 2.
inline constexpr const wchar_t* kOtherKindInFileTexts[] = {
    L"  このファイルの ISBN は ISBN-13 のようです。結果のファイルは作っていません。\n"
    L"  もう一度ドロップして、2（ISBN-13 → ISBN-10）を選んでください。\n",
    L"  このファイルの ISBN は ISBN-10 のようです。結果のファイルは作っていません。\n"
    L"  もう一度ドロップして、1（ISBN-10 → ISBN-13）を選んでください。\n",
};
// UTF-16 lines are counted in characters, all others in bytes.
inline constexpr wchar_t kLongLinesText[] = L"  長すぎる行（256 バイト超。文字数の誤りとして数えています）: ";
inline constexpr wchar_t kLongUtf16LinesText[] = L"  長すぎる行（256 文字超。文字数の誤りとして数えています）: ";

// After the result's name: the encoding it was written in, the input's own.
inline constexpr const wchar_t* kEncodingTexts[] = {
    L"",
    L"（UTF-8、BOM 付き）",
    L"（UTF-16 LE）",
    L"（UTF-16 BE）",
};
static_assert(std::size(kEncodingTexts) == static_cast<std::size_t>(TextEncoding::Utf16Be) + 1);

// Why a line was refused, in the order of ConversionOutcome (Converted has none): in
// the summary, followed by the status word of the result file; on the clipboard, in
// the result row's reason column.
inline constexpr const wchar_t* kRefusalReasonWords[] = {
    nullptr,
    L"空の行",
    L"文字数が違う",
    L"使えない文字、ハイフンの数や位置の誤り",
    L"末尾1桁（チェック数字）が誤っている",
    L"先頭3桁が 978 でない",
};
static_assert(std::size(kRefusalReasonWords) == kOutcomeCount);

// What became of a file that could not be converted, in the order of FileProblem.
inline constexpr const wchar_t* kProblemTexts[] = {
    nullptr,
    L"  ファイルが見つかりません。移動したり名前を変えたりしていないか確かめて\n"
    L"  ください。",
    L"  フォルダーです。フォルダーの中のテキストファイルをドロップしてください。",
    L"  ファイルを読む権限がありません。読めるフォルダー（デスクトップなど）に\n"
    L"  コピーしてから、ドロップしてください。",
    L"  ほかのプログラムがファイルを開いているため、読めません。そのプログラムで\n"
    L"  ファイルを閉じてから、もう一度ドロップしてください。",
    L"  ファイルを開けませんでした。",
    L"  空のファイルです。結果のファイルは作っていません。",
    L"  テキストファイルではありません（NUL 文字を含みます）。結果のファイルは\n"
    L"  作っていません。ISBN を1行に1つずつ書いて保存したファイルをドロップして\n"
    L"  ください。",
    L"  Excel のブックです。ブックのままでは変換できません。Excel で ISBN の列を\n"
    L"  新しいブックにコピーし、「名前を付けて保存」で「ファイルの種類」を\n"
    L"  「テキスト (タブ区切り)」か「Unicode テキスト」にして保存したファイルを\n"
    L"  ドロップしてください。",
    L"  読み込みの途中で失敗しました。結果のファイルは作っていません。",
    L"  このフォルダーには書き込む権限がないため、結果のファイルを作れません。\n"
    L"  デスクトップなど書き込めるフォルダーにファイルをコピーしてから、\n"
    L"  ドロップしてください。",
    L"  結果のファイルの名前が長すぎて作れません。元のファイルの名前を短くして\n"
    L"  から、ドロップしてください。",
    L"  結果のファイルを作れませんでした。",
    L"  ディスクがいっぱいで、結果のファイルを書き終えられませんでした。\n"
    L"  書きかけのファイルは削除しました。",
    L"  結果のファイルを書き終えられませんでした。書きかけのファイルは削除しました。",
    L"  ほかのプログラム（ウイルス対策ソフトなど）が結果のファイルを使っていて、\n"
    L"  名前を付けられませんでした。書き終えた結果は次の名前で残しています。\n"
    L"  名前の最後の「.tmp」を消して使ってください。",
    L"  中止しました。書きかけの結果のファイルは削除しました。",
};
static_assert(std::size(kProblemTexts) == static_cast<std::size_t>(FileProblem::Cancelled) + 1);
