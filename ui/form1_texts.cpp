#include "ui/form1_texts.h"

#include "settings/settings_file.h"
#include "themes/theme_store.h"

namespace {

// The system's reason on a line of its own, when it gave one.
std::wstring ReasonLine(const std::wstring& reason) {
  if (reason.empty()) return std::wstring();
  return L"\n" + reason;
}

}  // namespace

std::wstring SaveIntoThemeQuestion(const std::wstring& themeName) {
  return L"設定が変更されています。" + themeName + L"に保存しますか？";
}

std::wstring DeleteQuestion(const std::wstring& themeName) { return themeName + L"を削除します"; }

std::wstring NewThemeProposal(int newIndex) { return L"新しいテーマ(" + std::to_wstring(newIndex) + L")"; }

std::wstring CopyName(const std::wstring& themeName) { return themeName + L"の複製"; }

std::wstring UnreadAtStartMessage(const std::vector<UnreadFile>& files) {
  std::wstring text;
  bool storeUnread = false;
  for (const UnreadFile& file : files) {
    text += file.Name + L"を読み込めませんでした。" + ReasonLine(file.Reason) + L"\n";
    if (file.Name == kThemeStoreFileName) storeUnread = true;
  }
  text += files.size() == 1 ? L"\n内容を失わないよう、このファイルには閉じるときも書き込みません。"
                            : L"\n内容を失わないよう、これらのファイルには閉じるときも書き込みません。";
  if (storeUnread) text += L"\nテーマを残すには「名前をつけて保存」を使ってください。";
  return text;
}

std::wstring CloseWriteFailedQuestion(const std::wstring& fileName, const std::wstring& reason) {
  return fileName + L"を保存できませんでした。" + ReasonLine(reason) +
         L"\n\nウィンドウを開いたままにしますか？\n（「いいえ」を選ぶと、" + fileName + L"を保存せずに閉じます。）";
}

std::wstring SaveFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return path + L"に保存できませんでした。" + ReasonLine(reason);
}

std::wstring SaveBeforeLoadFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return SaveFailedMessage(path, reason) + L"\n\nテーマを失わないよう、読み込みを中止しました。";
}

std::wstring LoadFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return path + L"を読み込めませんでした。" + ReasonLine(reason) + L"\n\nテーマの一覧は読み込む前のままです。";
}

std::wstring NoThemeInFileMessage(const std::wstring& path) {
  return path + L"にはテーマがありません。\n\nテーマの一覧は読み込む前のままです。";
}

std::wstring DroppedFilesRefusedMessage(const std::vector<UnreadFile>& files, bool othersAdded) {
  std::wstring text = L"次のファイルのテーマは追加できませんでした。\n";
  for (const UnreadFile& file : files) text += L"\n" + file.Name + ReasonLine(file.Reason);
  if (othersAdded) text += L"\n\nほかのファイルのテーマは一覧の最後に追加しました。";
  return text;
}

std::wstring HostRunningQuestion(const std::vector<std::wstring>& programs) {
  std::wstring names;
  for (const std::wstring& program : programs) names += (names.empty() ? L"" : L"、") + program;
  return names + L"が実行中です。終了するときに" + kSettingsFileName +
         L"を書き込むため、ここで反映した色が上書きされることがあります。\n\nこのまま" + kSettingsFileName +
         L"に書き込みますか？\n（「いいえ」を選ぶと、何も書き込まずにウィンドウに戻ります。）";
}

std::wstring StoreChangedQuestion() {
  const std::wstring store = kThemeStoreFileName;
  return store + L"は、読み込んだ後にほかのプログラムによって変更されています。\n\nこのウィンドウのテーマで置き換えますか？\n（「いいえ」を選ぶと、" +
         store + L"はそのままにして閉じます。「キャンセル」を選ぶと、ウィンドウに戻ります。）";
}

std::wstring FailureReason(const platform::IoStatus& status) {
  switch (status.found()) {
    case platform::PathKind::Nothing:
    case platform::PathKind::Folder: return L"ファイルが見つかりません。";
    case platform::PathKind::HiddenOrSystemFile: return L"隠しファイルかシステムファイルになっています。";
    case platform::PathKind::PlainFile: break;
  }
  return status.reason();
}
