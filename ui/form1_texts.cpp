#include "ui/form1_texts.h"

#include <cstdint>
#include <cwchar>

#include "settings/settings_file.h"
#include "themes/theme.h"
#include "themes/theme_store.h"
#include "ui/accessibility.h"
#include "ui/layout.h"

namespace {

// The system's reason on a line of its own, when it gave one.
std::wstring ReasonLine(const std::wstring& reason) {
  if (reason.empty()) return std::wstring();
  return L"\n" + reason;
}

// A step's name inside a menu item: an "&" of a theme's name shown as itself rather than
// taken for an access key, a tab as a space rather than the start of the shortcut
// column, and a long name cut short so the menu keeps to the screen.
std::wstring MenuItemShowing(const std::wstring& step) {
  constexpr std::size_t kLongest = 60;
  std::wstring text;
  for (std::size_t i = 0; i < step.size(); ++i) {
    if (i + 1 == kLongest && step.size() > kLongest) {
      // Not half of a character that takes two UTF-16 units.
      if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
      text += L'…';
      break;
    }
    if (step[i] == L'&') text += L'&';
    text += step[i] == L'\t' ? L' ' : step[i];
  }
  return text;
}

// The item's caption as the menu bar is built with it.
std::wstring MenuCaption(MenuCommand command, Language language) {
  for (const MenuSpec& item : Form1Menus(language)) {
    if (item.command == command) return item.caption;
  }
  return std::wstring();
}

}  // namespace

const wchar_t* CloseQuestion(Language language) {
  return Phrase(L"設定が変更されています。setting.iniに反映しますか？",
                L"The settings have been changed. Apply them to setting.ini?")
      .In(language);
}

const wchar_t* SwitchQuestion(Language language) {
  return Phrase(L"設定が変更されています。保存しますか？", L"The settings have been changed. Save them?").In(language);
}

const wchar_t* ApplyToNewThemeQuestion(Language language) {
  return Phrase(L"設定が変更されています。新しいテーマに適用しますか？",
                L"The settings have been changed. Apply them to the new theme?")
      .In(language);
}

const wchar_t* SaveBeforeLoadQuestion(Language language) {
  return Phrase(L"設定は変更されています。ファイルに保存しますか？",
                L"The themes have been changed. Save them to a file first?")
      .In(language);
}

std::wstring SaveIntoThemeQuestion(const std::wstring& themeName, Language language) {
  return Fill({L"設定が変更されています。{1}に保存しますか？", L"The settings have been changed. Save them to \"{1}\"?"},
              language, {themeName});
}

std::wstring DeleteQuestion(const std::wstring& themeName, Language language) {
  return Fill({L"{1}を削除します", L"\"{1}\" will be deleted."}, language, {themeName});
}

const wchar_t* CurrentSettingsName(Language language) {
  return Phrase(L"(現在の設定)", L"(Current settings)").In(language);
}

const wchar_t* NewThemeCaption(Language language) { return Phrase(L"名前を入力", L"Enter a Name").In(language); }

const wchar_t* RenameCaption(Language language) { return Phrase(L"名前の変更", L"Rename Theme").In(language); }

std::wstring NewThemeProposal(int newIndex, Language language) {
  return Fill({L"新しいテーマ({1})", L"New theme ({1})"}, language, {std::to_wstring(newIndex)});
}

const wchar_t* CurrentSettingsCopyName(Language language) {
  return Phrase(L"現在の設定の複製", L"Copy of current settings").In(language);
}

std::wstring CopyName(const std::wstring& themeName, Language language) {
  return Fill({L"{1}の複製", L"Copy of {1}"}, language, {themeName});
}

std::wstring UndoItemCaption(const std::wstring* step, Language language) {
  if (!step) return MenuCaption(MenuCommand::mnUndo, language);
  return Fill({L"元に戻す: {1}(&U)\tCtrl+Z", L"&Undo {1}\tCtrl+Z"}, language, {MenuItemShowing(*step)});
}

std::wstring RedoItemCaption(const std::wstring* step, Language language) {
  if (!step) return MenuCaption(MenuCommand::mnRedo, language);
  return Fill({L"やり直し: {1}(&R)\tCtrl+Y", L"&Redo {1}\tCtrl+Y"}, language, {MenuItemShowing(*step)});
}

std::wstring ColorStepName(int slot, Language language) {
  return Fill({L"色「{1}」", L"Color \"{1}\""}, language, {SlotCaption(slot, language)});
}

const wchar_t* TitleStepName(Language language) { return Phrase(L"タイトル変更", L"Title Change").In(language); }

const wchar_t* StandardColorsStepName(Language language) {
  return Phrase(L"標準配色", L"Standard Colors").In(language);
}

std::wstring NewThemeStepName(const std::wstring& themeName, Language language) {
  return Fill({L"新規作成「{1}」", L"New Theme \"{1}\""}, language, {themeName});
}

std::wstring DuplicateStepName(const std::wstring& themeName, Language language) {
  return Fill({L"複製「{1}」", L"Duplicate \"{1}\""}, language, {themeName});
}

std::wstring RenameStepName(const std::wstring& themeName, Language language) {
  return Fill({L"名前の変更「{1}」", L"Rename \"{1}\""}, language, {themeName});
}

std::wstring DeleteStepName(const std::wstring& themeName, Language language) {
  return Fill({L"削除「{1}」", L"Delete \"{1}\""}, language, {themeName});
}

std::wstring SaveIntoThemeStepName(const std::wstring& themeName, Language language) {
  return Fill({L"「{1}」に保存", L"Save to \"{1}\""}, language, {themeName});
}

const wchar_t* AddThemesStepName(Language language) { return Phrase(L"テーマの追加", L"Add Themes").In(language); }

const wchar_t* DroppedThemesStepName(Language language) {
  return Phrase(L"ドロップしたテーマ", L"Dropped Themes").In(language);
}

std::wstring LoadStepName(const std::wstring& fileName, Language language) {
  return Fill({L"読み込み「{1}」", L"Load \"{1}\""}, language, {fileName});
}

const wchar_t* ThemeFileFilter(Language language) {
  return Phrase(L"テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*", L"Text files (*.txt)|*.txt|All files (*.*)|*.*")
      .In(language);
}

std::wstring UnreadAtStartMessage(const std::vector<UnreadFile>& files, Language language) {
  std::wstring text;
  bool storeUnread = false;
  for (const UnreadFile& file : files) {
    text += Fill({L"{1}を読み込めませんでした。{2}\n", L"{1} could not be read.{2}\n"}, language,
                 {file.name, ReasonLine(file.reason)});
    if (file.name == kThemeStoreFileName) storeUnread = true;
  }
  text += files.size() == 1
              ? Phrase(L"\n内容を失わないよう、このファイルには閉じるときも書き込みません。",
                       L"\nSo that nothing in it is lost, this file is not written when the program closes either.")
                    .In(language)
              : Phrase(L"\n内容を失わないよう、これらのファイルには閉じるときも書き込みません。",
                       L"\nSo that nothing in them is lost, these files are not written when the program closes either.")
                    .In(language);
  if (storeUnread) {
    text += Phrase(L"\nテーマを残すには「名前をつけて保存」を使ってください。",
                   L"\nTo keep your themes, use File > Save As.")
                .In(language);
  }
  return text;
}

std::wstring CloseWriteFailedQuestion(const std::wstring& fileName, const std::wstring& reason,
                                      Language language) {
  return Fill({L"{1}を保存できませんでした。{2}\n\nウィンドウを開いたままにしますか？\n（「いいえ」を選ぶと、{1}を保存せずに閉じます。）",
               L"{1} could not be saved.{2}\n\nKeep the window open?\n(Choose No to close without saving {1}.)"},
              language, {fileName, ReasonLine(reason)});
}

std::wstring SaveFailedMessage(const std::wstring& path, const std::wstring& reason, Language language) {
  return Fill({L"{1}に保存できませんでした。{2}", L"The themes could not be saved to {1}.{2}"}, language,
              {path, ReasonLine(reason)});
}

std::wstring ExportFailedMessage(const std::wstring& path, const std::wstring& reason, Language language) {
  return Fill({L"{1}に保存できませんでした。{2}", L"The theme could not be exported to {1}.{2}"}, language,
              {path, ReasonLine(reason)});
}

const wchar_t* UnnamedThemeFileName(Language language) { return Phrase(L"テーマ", L"Theme").In(language); }

std::wstring SaveBeforeLoadFailedMessage(const std::wstring& path, const std::wstring& reason,
                                         Language language) {
  return SaveFailedMessage(path, reason, language) +
         Phrase(L"\n\nテーマを失わないよう、読み込みを中止しました。", L"\n\nSo that no theme is lost, nothing was loaded.")
             .In(language);
}

std::wstring LoadFailedMessage(const std::wstring& path, const std::wstring& reason, Language language) {
  return Fill({L"{1}を読み込めませんでした。{2}\n\nテーマの一覧は読み込む前のままです。",
               L"{1} could not be read.{2}\n\nThe theme list is as it was before."},
              language, {path, ReasonLine(reason)});
}

std::wstring NoThemeInFileMessage(const std::wstring& path, Language language) {
  return Fill({L"{1}にはテーマがありません。\n\nテーマの一覧は読み込む前のままです。",
               L"{1} holds no themes.\n\nThe theme list is as it was before."},
              language, {path});
}

std::wstring DroppedFilesRefusedMessage(const std::vector<UnreadFile>& files, bool othersAdded, Language language) {
  std::wstring text =
      Phrase(L"次のファイルのテーマは追加できませんでした。\n", L"The themes of these files could not be added:\n").In(language);
  // A folder of a hundred files dropped by mistake must not give a message taller than
  // the screen, whose OK button nobody can reach.
  constexpr std::size_t kFilesNamed = 10;
  for (std::size_t i = 0; i < files.size() && i < kFilesNamed; ++i) text += L"\n" + files[i].name + ReasonLine(files[i].reason);
  if (files.size() > kFilesNamed) {
    text += Fill({L"\n\nほか{1}個のファイル", L"\n\nand {1} more"}, language, {std::to_wstring(files.size() - kFilesNamed)});
  }
  if (othersAdded) {
    text += Phrase(L"\n\nほかのファイルのテーマは一覧の最後に追加しました。",
                   L"\n\nThe themes of the other files were added at the end of the list.")
                .In(language);
  }
  return text;
}

const wchar_t* NoThemeInFileReason(Language language) {
  return Phrase(L"テーマがありません。", L"It holds no themes.").In(language);
}

std::wstring ProgramNames(const std::vector<std::wstring>& programs, Language language) {
  const wchar_t* separator = Phrase(L"、", L", ").In(language);
  std::wstring names;
  for (const std::wstring& program : programs) names += (names.empty() ? L"" : separator) + program;
  return names;
}

std::wstring HostRunningQuestion(const std::vector<std::wstring>& programs, Language language) {
  const std::wstring names = ProgramNames(programs, language);
  return Fill({L"{1}が実行中です。終了するときに{2}を書き込むため、ここで反映した色が上書きされることがあります。\n\nこのまま{2}に書き込みますか？\n（「いいえ」を選ぶと、何も書き込まずにウィンドウに戻ります。）",
               L"Running from this folder: {1}. The editor writes {2} when it exits, which may undo the colors applied here.\n\nWrite {2} anyway?\n(Choose No to go back to the window without writing anything.)"},
              language, {names, kSettingsFileName});
}

std::wstring StoreChangedQuestion(Language language) {
  return Fill({L"{1}は、読み込んだ後にほかのプログラムによって変更されています。\n\nこのウィンドウのテーマで置き換えますか？\n（「いいえ」を選ぶと、{1}はそのままにして閉じます。「キャンセル」を選ぶと、ウィンドウに戻ります。）",
               L"{1} has been changed by another program since it was read.\n\nReplace it with the themes of this window?\n(Choose No to close and leave {1} as it is, or Cancel to go back to the window.)"},
              language, {kThemeStoreFileName});
}

namespace {

// A size as a user reads it: "5.0 GB", "12.3 MB", "800 KB".
std::wstring SizeText(std::uint64_t bytes) {
  constexpr double kKilo = 1024.0;
  const double value = static_cast<double>(bytes);
  wchar_t text[32];
  if (value >= kKilo * kKilo * kKilo) {
    std::swprintf(text, 32, L"%.1f GB", value / (kKilo * kKilo * kKilo));
  } else if (value >= kKilo * kKilo) {
    std::swprintf(text, 32, L"%.1f MB", value / (kKilo * kKilo));
  } else {
    std::swprintf(text, 32, L"%.0f KB", value / kKilo);
  }
  return text;
}

}  // namespace

std::wstring FailureReason(const platform::IoStatus& status, Language language, FileRole role) {
  switch (status.trouble()) {
    case platform::FileTrouble::None:
      return std::wstring();
    case platform::FileTrouble::SystemError:
      return status.reason();
    case platform::FileTrouble::NoPlainFile:
      switch (status.found()) {
        case platform::PathKind::Folder:
          return Phrase(L"フォルダーです。", L"It is a folder.").In(language);
        case platform::PathKind::HiddenOrSystemFile:
          return Phrase(L"隠しファイルかシステムファイルになっています。", L"It is a hidden or a system file.").In(language);
        case platform::PathKind::Nothing:
        case platform::PathKind::PlainFile:
          break;
      }
      return Phrase(L"ファイルが見つかりません。", L"The file was not found.").In(language);
    case platform::FileTrouble::Utf16Text:
      return Phrase(L"Unicode（UTF-16）で保存されたファイルです。文字コードを「ANSI」にして保存し直してください。",
                    L"It was saved as Unicode (UTF-16). Save it again with the encoding \"ANSI\".")
          .In(language);
    case platform::FileTrouble::LoneLineFeeds:
      return Phrase(L"行の終わりがLFだけのため、Lirvaはファイル全体を1行として読みます。"
                    L"改行を「CR LF」（Windows）にして保存し直してください。",
                    L"Its lines end in LF alone, so Lirva reads the whole file as one line. "
                    L"Save it again with Windows (CR LF) line endings.")
          .In(language);
    case platform::FileTrouble::TooLarge:
      return role == FileRole::HostSettings
                 ? Fill({L"{1}あり、Lirvaの設定ファイルとしては大きすぎます。", L"At {1}, it is too large to be Lirva's settings file."},
                        language, {SizeText(status.size())})
                 : Fill({L"{1}あり、テーマのファイルとしては大きすぎます。", L"At {1}, it is too large to be a theme file."},
                        language, {SizeText(status.size())});
    case platform::FileTrouble::OutOfMemory:
      return Phrase(L"読み込むためのメモリーが足りません。", L"There is not enough memory to read it.").In(language);
  }
  return status.reason();
}
