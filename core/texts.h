// Every text that the program shows to the user: message-box texts, captions and
// hints, stored as the exact code-page-932 (Shift-JIS) bytes handed to the platform.
// Each comment gives the readable text and its length in bytes without the NUL.
#pragma once

// The literals are split where a hex escape would otherwise swallow the character
// after it ("\x83" "b" is two bytes, "\x83b" one): the layout is kept as written.
// clang-format off
// ---- Message-box captions.

// "エラーメッセージ"  (16 bytes)
inline constexpr char ErrorCaption[] =
    "\x83G\x83\x89\x81[\x83\x81\x83" "b\x83Z\x81[\x83W";

// "メッセージ"  (10 bytes)
inline constexpr char NoticeCaption[] =
    "\x83\x81\x83" "b\x83Z\x81[\x83W";

// ---- Refusal texts, one per outcome but Converted; the same in both directions.

// "WARNING:\nデータが入力されていません."  (36 bytes)
inline constexpr char NoInputMessage[] =
    "WARNING:\n\x83" "f\x81[\x83^\x82\xaa\x93\xfc\x97\xcd\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1.";

// "WARNING:\n入力されたデータの桁数が誤っています."  (46 bytes)
inline constexpr char WrongDigitCountMessage[] =
    "WARNING:\n\x93\xfc\x97\xcd\x82\xb3\x82\xea\x82\xbd\x83" "f\x81[\x83^\x82\xcc\x8c\x85\x90\x94\x82\xaa\x8c\xeb\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7.";

// "WARNING:\n入力されたデータは誤っています."  (40 bytes)
inline constexpr char InvalidDataMessage[] =
    "WARNING:\n\x93\xfc\x97\xcd\x82\xb3\x82\xea\x82\xbd\x83" "f\x81[\x83^\x82\xcd\x8c\xeb\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7.";

// "WARNING:\n末尾1桁が誤っています."  (31 bytes)
inline constexpr char BadCheckDigitMessage[] =
    "WARNING:\n\x96\x96\x94\xf6" "1\x8c\x85\x82\xaa\x8c\xeb\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7.";

// "WARNING:\n先頭3桁が誤っています."  (31 bytes)
inline constexpr char BadPrefixMessage[] =
    "WARNING:\n\x90\xe6\x93\xaa" "3\x8c\x85\x82\xaa\x8c\xeb\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7.";

// ---- Shown after every ISBN-10 to ISBN-13 success: the 978 prefix is assumed, not known.
// The second byte of 能 is 0x5C.

// "先頭の3桁は誤っている可能性があります."  (38 bytes)
inline constexpr char PrefixNotice[] =
    "\x90\xe6\x93\xaa\x82\xcc" "3\x8c\x85\x82\xcd\x8c\xeb\x82\xc1\x82\xc4\x82\xa2\x82\xe9\x89\xc2\x94\x5c\x90\xab\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7.";

// ---- Shown when the mode-selection dialog finds neither direction selected.
// The second byte of 予 is 0x5C.

// "ERROR:\n予期せぬエラーが発生しました."  (36 bytes)
inline constexpr char UnexpectedErrorMessage[] =
    "ERROR:\n\x97\x5c\x8a\xfa\x82\xb9\x82\xca\x83G\x83\x89\x81[\x82\xaa\x94\xad\x90\xb6\x82\xb5\x82\xdc\x82\xb5\x82\xbd.";

// ---- Hints of the mode-selection dialog.

// "10桁のISBNを13桁に変換します。"  (30 bytes)
inline constexpr char HintModeOld2New[] =
    "10\x8c\x85\x82\xccISBN\x82\xf0" "13\x8c\x85\x82\xc9\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "13桁のISBNを10桁に変換します。"  (30 bytes)
inline constexpr char HintModeNew2Old[] =
    "13\x8c\x85\x82\xccISBN\x82\xf0" "10\x8c\x85\x82\xc9\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "選択した処理を起動します。"  (26 bytes)
inline constexpr char HintStart[] =
    "\x91I\x91\xf0\x82\xb5\x82\xbd\x8f\x88\x97\x9d\x82\xf0\x8bN\x93\xae\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "プログラムを終了します。"  (24 bytes)
inline constexpr char HintQuit[] =
    "\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xf0\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// ---- Hints of the conversion dialogs that name the direction (表 ends in 0x5C).

// "10桁のISBNを入力します。"  (24 bytes)
inline constexpr char HintInputIsbn10[] =
    "10\x8c\x85\x82\xccISBN\x82\xf0\x93\xfc\x97\xcd\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "13桁のISBNを入力します。"  (24 bytes)
inline constexpr char HintInputIsbn13[] =
    "13\x8c\x85\x82\xccISBN\x82\xf0\x93\xfc\x97\xcd\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "13桁のISBNを表示します。"  (24 bytes)
inline constexpr char HintShowIsbn13[] =
    "13\x8c\x85\x82\xccISBN\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "10桁のISBNを表示します。"  (24 bytes)
inline constexpr char HintShowIsbn10[] =
    "10\x8c\x85\x82\xccISBN\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// ---- Hints shared by both conversion dialogs.

// "ISBNをクリップボードにコピーします。"  (36 bytes)
inline constexpr char HintCopyIsbn[] =
    "ISBN\x82\xf0\x83N\x83\x8a\x83" "b\x83v\x83{\x81[\x83h\x82\xc9\x83R\x83s\x81[\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "ASINを表示します。"  (18 bytes)
inline constexpr char HintShowAsin[] =
    "ASIN\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "ASINをクリップボードにコピーします。"  (36 bytes)
inline constexpr char HintCopyAsin[] =
    "ASIN\x82\xf0\x83N\x83\x8a\x83" "b\x83v\x83{\x81[\x83h\x82\xc9\x83R\x83s\x81[\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "入力されたISBNを変換します。"  (28 bytes)
inline constexpr char HintConvert[] =
    "\x93\xfc\x97\xcd\x82\xb3\x82\xea\x82\xbdISBN\x82\xf0\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "データをクリアします。"  (22 bytes)
inline constexpr char HintClear[] =
    "\x83" "f\x81[\x83^\x82\xf0\x83N\x83\x8a\x83" "A\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// "ダイアログを閉じます。"  (22 bytes)
inline constexpr char HintClose[] =
    "\x83_\x83" "C\x83" "A\x83\x8d\x83O\x82\xf0\x95\xc2\x82\xb6\x82\xdc\x82\xb7\x81" "B";
// clang-format on
