#include "cli/command_line_texts.h"

#include "settings/settings_file.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

namespace {

// The reason on a line of its own, when there is one.
std::wstring ReasonLine(const std::wstring& reason) {
  if (reason.empty()) return std::wstring();
  return L"\n" + reason;
}

}  // namespace

std::wstring CommandLineUsage(Language language) {
  return Fill({L"使い方: huebrook [/list | /apply 名前 [/force] | /export 名前 ファイル [/force] | /add ファイル | /help]\n"
               L"\n"
               L"  （引数なし）           ウィンドウを開きます\n"
               L"  /list                  {1}のテーマの名前を1行に1つずつ表示します\n"
               L"  /apply 名前            テーマの色とTransformTitleを{2}に反映します\n"
               L"  /export 名前 ファイル  テーマ1つだけをファイルに書き出します\n"
               L"  /add ファイル          ファイルのテーマを{1}の最後に追加します\n"
               L"  /force                 /applyでは、このフォルダーからプログラムが実行中でも書き込みます\n"
               L"                         /exportでは、ファイルがすでにあれば置き換えます\n"
               L"  /help, /?              この説明を表示します\n"
               L"\n"
               L"名前は/listが表示するとおりに指定します。空白を含む名前は\"\"で囲んでください。\n"
               L"{2}と{1}は、このプログラムのフォルダーにあるファイルです。\n"
               L"\n"
               L"終了コード:\n"
               L"  0  完了\n"
               L"  1  使い方の誤り（この説明を表示します）\n"
               L"  2  その名前のテーマがない（/addでは、ファイルにテーマがない）\n"
               L"  3  ファイルを読み込めないか、書き込めない（理由を表示します）\n"
               L"  4  このフォルダーからプログラム（Lirva）が実行中のため、何も書き込まなかった（/forceで書き込みます）\n"
               L"  5  内容を失わないよう書き込まなかったファイルがある（隠しファイル、UTF-16、改行がLFだけの{2}、\n"
               L"     ほかのプログラムによる変更、/forceのない/exportですでにあるファイル）",
               L"Usage: huebrook [/list | /apply NAME [/force] | /export NAME FILE [/force] | /add FILE | /help]\n"
               L"\n"
               L"  (no arguments)     open the window\n"
               L"  /list              print the names of the themes in {1}, one a line\n"
               L"  /apply NAME        write the theme's colors and TransformTitle into {2}\n"
               L"  /export NAME FILE  write the theme alone into FILE\n"
               L"  /add FILE          add the themes of FILE at the end of {1}\n"
               L"  /force             with /apply: write even while a program runs from this folder\n"
               L"                     with /export: replace FILE when it is there\n"
               L"  /help, /?          print this text\n"
               L"\n"
               L"NAME is a theme's name exactly as /list prints it; put a name with blanks in double quotes.\n"
               L"{2} and {1} are the files in the program's folder.\n"
               L"\n"
               L"Exit codes:\n"
               L"  0  done\n"
               L"  1  wrong use (this text is printed)\n"
               L"  2  no theme of that name (for /add: FILE holds no themes)\n"
               L"  3  a file could not be read or written (the reason is printed)\n"
               L"  4  a program (Lirva) runs from this folder, so nothing was written (/force writes anyway)\n"
               L"  5  a file was not written over, so that nothing in it is lost (hidden, UTF-16, a {2}\n"
               L"     with lines ended by LF alone, changed by another program, or FILE there without /force)"},
              language, {kThemeStoreFileName, kSettingsFileName});
}

std::wstring WrongUseMessage(WrongUse why, const std::wstring& argument, Language language) {
  switch (why) {
    case WrongUse::UnknownArgument:
      return Fill({L"「{1}」は使えない引数です。", L"Unknown argument: {1}"}, language, {argument});
    case WrongUse::MissingOperand:
      return Fill({L"{1}の後に必要な名前かファイルがありません。", L"{1} needs more: a theme's name or a file."}, language,
                  {argument});
    case WrongUse::SecondCommand:
      return Fill({L"一度に使えるコマンドは1つだけです（{1}）。", L"One command at a time: {1} comes after another."},
                  language, {argument});
    case WrongUse::ForceAlone:
      return Phrase(L"/forceは/applyか/exportと1回だけ使います。", L"/force goes once with /apply or /export.").In(language);
    case WrongUse::None: break;
  }
  return std::wstring();
}

std::wstring NoSuchThemeMessage(const std::wstring& name, Language language) {
  return Fill({L"「{1}」という名前のテーマは{2}にありません。名前は/listで確かめられます。",
               L"{2} holds no theme named \"{1}\". /list prints the names."},
              language, {name, kThemeStoreFileName});
}

std::wstring SameNameNote(const std::wstring& name, std::size_t themes, Language language) {
  return Fill({L"注意: 「{1}」という名前のテーマが{2}個あります。最初のものを使いました。",
               L"Note: {2} themes are named \"{1}\"; the first of them was used."},
              language, {name, std::to_wstring(themes)});
}

std::wstring NoThemeToAddMessage(const std::wstring& path, Language language) {
  return Fill({L"{1}にはテーマがありません。何も追加しませんでした。", L"{1} holds no themes. Nothing was added."}, language,
              {path});
}

std::wstring NotReadMessage(const std::wstring& file, const std::wstring& reason, Language language) {
  return Fill({L"{1}を読み込めませんでした。{2}", L"{1} could not be read.{2}"}, language, {file, ReasonLine(reason)});
}

std::wstring NotWrittenMessage(const std::wstring& file, const std::wstring& reason, Language language) {
  return Fill({L"{1}に書き込めませんでした。{2}", L"{1} could not be written.{2}"}, language, {file, ReasonLine(reason)});
}

std::wstring NotWrittenOverMessage(const std::wstring& file, const std::wstring& reason, Language language) {
  return Fill({L"内容を失わないよう、{1}には書き込みませんでした。{2}",
               L"So that nothing in it is lost, {1} was not written.{2}"},
              language, {file, ReasonLine(reason)});
}

std::wstring ExportFileThereMessage(const std::wstring& path, Language language) {
  return Fill({L"{1}はすでにあります。置き換えるには/forceを付けてください。",
               L"{1} is there already. Add /force to replace it."},
              language, {path});
}

std::wstring StoreChangedMeanwhileMessage(Language language) {
  return Fill({L"{1}は、読み込んでいる間にほかのプログラムによって変更されました。内容を失わないよう、書き込みませんでした。",
               L"{1} was changed by another program while it was being read. So that nothing in it is lost, it was not written."},
              language, {kThemeStoreFileName});
}

std::wstring HostRunningMessage(const std::vector<std::wstring>& programs, Language language) {
  return Fill({L"{1}が実行中です。終了するときに{2}を書き込むため、ここで反映した色が上書きされることがあります。"
               L"何も書き込みませんでした。書き込むには/forceを付けてください。",
               L"Running from this folder: {1}. The editor writes {2} when it exits, which may undo the colors "
               L"applied here. Nothing was written; add /force to write anyway."},
              language, {ProgramNames(programs, language), kSettingsFileName});
}

std::wstring AppliedMessage(const std::wstring& name, Language language) {
  return Fill({L"「{1}」を{2}に反映しました。", L"Applied \"{1}\" to {2}."}, language, {name, kSettingsFileName});
}

std::wstring ExportedMessage(const std::wstring& name, const std::wstring& path, Language language) {
  return Fill({L"「{1}」を{2}に書き出しました。", L"Exported \"{1}\" to {2}."}, language, {name, path});
}

std::wstring AddedMessage(std::size_t themes, const std::wstring& path, Language language) {
  return Fill({L"{2}のテーマ{1}個を{3}に追加しました。", L"Added {1} themes from {2} to {3}."}, language,
              {std::to_wstring(themes), path, kThemeStoreFileName});
}

std::wstring WindowNotStartedMessage(const std::wstring& path, const std::wstring& reason, Language language) {
  return Fill({L"{1}を起動できませんでした。{2}", L"{1} could not be started.{2}"}, language, {path, ReasonLine(reason)});
}
