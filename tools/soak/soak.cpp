// A long random session on the real program: thousands of random user actions (clicks
// on the list, arrow keys, typing into the fields, the colour chooser, every menu item,
// the close box) with every dialog answered at random. Beside the real program the same
// logic runs on the fuzz view, as a shadow: it acts first (its writes noted, and the
// files put back as they were), and says which dialogs the real program must show and
// how the user answers them. After each action the real window must show what the shadow shows;
// after each close (and each theme file saved) the files the real program wrote must be
// byte for byte those the shadow wrote. Stops at the first difference, crash or loss,
// with the steps that led there. Run by scripts/soak, not by the tests:
//   HUEBROOK_SOAK_ACTIONS (2000 by default), HUEBROOK_SOAK_SEED (from the clock).
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>

#include "fuzz/drawn_form1_view.h"
#include "platform/program_folder.h"
#include "platform/write_calls.h"
#include "settings/settings_file.h"
#include "tests/e2e/file_drop.h"
#include "tests/e2e/story.h"
#include "themes/theme_store.h"
#include "ui/form1.h"
#include "ui/form1_menu.h"
#include "ui/layout.h"

namespace {

// No host runs beside the program here.
std::vector<std::wstring> NoProgramsRunning() { return {}; }

namespace fs = std::filesystem;

constexpr int kRedField = 706;
constexpr int kGreenField = 707;
constexpr int kBlueField = 708;
constexpr int kFileNameBox = 1148;

int EnvNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

// --- What the shadow writes --------------------------------------------------------------

// A file's bytes; nullopt when there is no file.
std::optional<std::string> FileBytes(const fs::path& path) {
  if (!fs::exists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One name for each file, however a path to it is spelled.
std::wstring Key(const fs::path& path) {
  std::wstring key = path.lexically_normal().wstring();
  for (wchar_t& c : key) c = static_cast<wchar_t>(towlower(c));
  return key;
}

// The shadow's writes land where the program's would, so that the shadow reads back what
// it wrote; each file is noted with what it held before, to be put back before the
// program does the same.
struct ShadowWrites {
  std::map<std::wstring, std::pair<fs::path, std::optional<std::string>>> before;
  std::map<std::wstring, std::optional<std::string>> written;
};
ShadowWrites shadowWrites;

BOOL WINAPI MoveNoted(LPCWSTR from, LPCWSTR to, DWORD flags) {
  const std::wstring key = Key(to);
  if (!shadowWrites.before.contains(key)) shadowWrites.before[key] = {fs::path(to), FileBytes(to)};
  shadowWrites.written[key] = FileBytes(from);
  return platform::SystemWriteCalls().MoveFileExW(from, to, flags);
}

platform::WriteCalls NotedWrites() {
  platform::WriteCalls calls = platform::SystemWriteCalls();
  calls.MoveFileExW = MoveNoted;
  return calls;
}

// --- The menus from the keyboard -----------------------------------------------------------

// A menu's or an item's access key: the character after "&", as a virtual key.
wchar_t AccessKey(std::wstring_view caption) {
  const std::size_t amp = caption.find(L'&');
  return amp == std::wstring_view::npos || amp + 1 >= caption.size() ? 0 : towupper(caption[amp + 1]);
}

struct MenuItemKeys {
  MenuCommand command;
  std::wstring caption;
  wchar_t menuKey;         // with Alt, opens the item's menu
  std::vector<WORD> keys;  // then choose the item
};

// Every item of the menu table, with the keys that choose it: its access key where no
// other item of its menu, and not the menu itself, has that key; else the down arrow
// to it from the first item, and Enter.
std::vector<MenuItemKeys> KeysOfEveryMenuItem() {
  std::vector<MenuItemKeys> items;
  const std::span<const MenuSpec> menus = Form1Menus(Language::Japanese);
  for (std::size_t top = 0; top < menus.size(); ++top) {
    if (menus[top].level != 0) continue;
    std::vector<const MenuSpec*> inMenu;
    for (std::size_t i = top + 1; i < menus.size() && menus[i].level == 1; ++i) {
      if (std::wstring_view(menus[i].caption) != kMenuSeparator) inMenu.push_back(&menus[i]);
    }
    const wchar_t menuKey = AccessKey(menus[top].caption);
    for (std::size_t k = 0; k < inMenu.size(); ++k) {
      const wchar_t key = AccessKey(inMenu[k]->caption);
      const auto sharing = std::count_if(inMenu.begin(), inMenu.end(),
                                         [key](const MenuSpec* other) { return AccessKey(other->caption) == key; });
      MenuItemKeys item{inMenu[k]->command, inMenu[k]->caption, menuKey, {}};
      if (key != 0 && key != menuKey && sharing == 1) {
        item.keys = {static_cast<WORD>(key)};
      } else {
        item.keys.assign(k, VK_DOWN);
        item.keys.push_back(VK_RETURN);
      }
      items.push_back(std::move(item));
    }
  }
  return items;
}

// --- The shadow: the logic on the simulated toolkit, in the real program's folder -------

struct Shadow {
  Shadow(std::mt19937& random, const std::vector<std::wstring>& themeFiles, std::vector<std::wstring> openedToo,
         std::vector<std::wstring> droppable)
      : answers(MakeAnswers(random)),
        in(answers.data(), answers.size()),
        view(in, themeFiles, std::move(openedToo), /*asAUser=*/true),
        form(settings, view, NoProgramsRunning) {
    view.Attach(form);
    view.DropWhileModal(std::move(droppable));
  }
  static std::vector<std::uint8_t> MakeAnswers(std::mt19937& random) {
    std::vector<std::uint8_t> bytes(1 << 20);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
  }

  std::vector<std::uint8_t> answers;
  FuzzInput in;
  SettingsRecord settings;
  DrawnForm1View view;
  Form1 form;
};

// --- The session -------------------------------------------------------------------------------

class Soak : public Story {
 protected:
  // One step of the log, shown when the session stops.
  void Note(const std::string& step) {
    log_.push_back(std::to_string(actions_) + ": " + step);
    if (log_.size() > 400) log_.erase(log_.begin());
  }

  ::testing::AssertionResult Stop(const std::string& why) {
    std::ostringstream text;
    text << why << "\nafter " << actions_ << " actions, " << closes_ << " closes, " << filesChecked_
         << " files checked (seed " << seed_ << "); the last steps:\n";
    for (const std::string& step : log_) text << "  " << step << "\n";
    if (app_ && !app_->ExitCode()) text << "the program shows:\n" << Utf8(app_->DescribeWindows());
    return ::testing::AssertionFailure() << text.str();
  }

  // A visible top-level window of the program, other than the main window and `except`,
  // for which `match` holds.
  HWND FindModal(const std::function<bool(HWND)>& match, HWND except = nullptr, DWORD timeoutMs = 8000) const {
    DWORD pid = 0;
    GetWindowThreadProcessId(app_->main(), &pid);
    HWND found = nullptr;
    app_->WaitUntil(
        [&] {
          found = nullptr;
          for (HWND w = GetTopWindow(nullptr); w != nullptr && found == nullptr; w = GetNextWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && w != app_->main() && w != except && IsWindowVisible(w) && match(w)) found = w;
          }
          return found != nullptr;
        },
        timeoutMs);
    return found;
  }

  static bool IsDialog(HWND w) { return AppDriver::ClassOf(w) == L"#32770"; }
  static bool IsMessageBox(HWND w) {
    return IsDialog(w) && !GetDlgItem(w, kRedField) && !GetDlgItem(w, kFileNameBox) &&
           (GetDlgItem(w, IDOK) || GetDlgItem(w, IDYES));
  }

  // --- The real side of one answered modal window -------------------------------------

  ::testing::AssertionResult AnswerMessage(const ShownModal& modal) {
    const HWND box = FindModal(IsMessageBox);
    if (!box) return Stop("the logic asks \"" + Utf8(modal.prompt) + "\", the program shows no message box");
    const std::wstring shown = AppDriver::MessageText(box);
    if (shown != modal.prompt) return Stop("message box \"" + Utf8(shown) + "\", the logic asks \"" + Utf8(modal.prompt) + "\"");
    const HWND button = GetDlgItem(box, static_cast<int>(modal.answer));
    if (!button) return Stop("message box without button " + std::to_string(static_cast<int>(modal.answer)));
    Note("  message \"" + Utf8(shown.substr(0, 40)) + "\" answered " + std::to_string(static_cast<int>(modal.answer)));
    AppDriver::Press(button);
    if (!app_->WaitGone(box)) return Stop("the message box stayed");
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult AnswerInputBox(const ShownModal& modal) {
    const HWND dialog = FindModal([](HWND w) { return AppDriver::ClassOf(w) == L"HuebrookInputBox"; });
    if (!dialog) return Stop("the logic opens the input box, the program does not");
    const HWND edit = AppDriver::ChildOfClass(dialog, L"Edit");
    std::string steps;
    for (const InputBoxStep& step : modal.steps) {
      switch (step.kind) {
        case InputBoxStep::Type:
          AppDriver::Type(edit, step.text);
          steps += " type \"" + Utf8(step.text) + "\"";
          break;
        case InputBoxStep::Clear:
          PostMessageW(edit, EM_SETSEL, 0, -1);
          PostMessageW(edit, WM_CHAR, VK_BACK, 1);
          steps += " clear";
          break;
        case InputBoxStep::ClickOk:
          AppDriver::Press(AppDriver::ChildWithText(dialog, L"OK"));
          steps += " OK";
          break;
        case InputBoxStep::ClickCancel:
          AppDriver::Press(AppDriver::ChildWithText(dialog, L"ｷｬﾝｾﾙ"));
          steps += " cancel";
          break;
        case InputBoxStep::CloseBox:
          PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
          steps += " close box";
          break;
      }
    }
    Note("  input box:" + steps);
    if (!app_->WaitGone(dialog)) return Stop("the input box stayed");
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult AnswerChooser(const ShownModal& modal) {
    const HWND chooser = FindModal([](HWND w) { return IsDialog(w) && GetDlgItem(w, kRedField); });
    if (!chooser) return Stop("the logic opens the colour chooser, the program does not");
    auto channel = [](Color c, int shift) { return std::to_wstring((c >> shift) & 0xFF); };
    const std::vector<std::wstring> opened{app_->Text(GetDlgItem(chooser, kRedField)),
                                           app_->Text(GetDlgItem(chooser, kGreenField)),
                                           app_->Text(GetDlgItem(chooser, kBlueField))};
    if (opened != std::vector<std::wstring>{channel(modal.initial, 0), channel(modal.initial, 8), channel(modal.initial, 16)}) {
      return Stop("the colour chooser opened on " + Utf8(opened[0] + L"," + opened[1] + L"," + opened[2]));
    }
    if (!modal.color) {
      Note("  colour chooser cancelled");
      AppDriver::Press(GetDlgItem(chooser, IDCANCEL));
    } else {
      const int fields[] = {kRedField, kGreenField, kBlueField};
      for (int i = 0; i < 3; ++i) {
        const std::wstring value = channel(*modal.color, 8 * i);
        SendMessageW(GetDlgItem(chooser, fields[i]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
      }
      Note("  colour chooser " + Utf8(ColorToHex(*modal.color)));
      AppDriver::Press(GetDlgItem(chooser, IDOK));
    }
    if (!app_->WaitGone(chooser)) return Stop("the colour chooser stayed");
    return ::testing::AssertionSuccess();
  }

  static std::wstring ColorToHex(Color c) {
    wchar_t text[16];
    swprintf(text, 16, L"%06X", static_cast<unsigned>(c));
    return text;
  }

  ::testing::AssertionResult AnswerFileDialog(const ShownModal& modal) {
    const HWND dialog = FindModal([](HWND w) { return IsDialog(w) && GetDlgItem(w, kFileNameBox); });
    if (!dialog) return Stop("the logic opens a file dialog, the program does not");
    if (!modal.path) {
      Note("  file dialog cancelled");
      AppDriver::Press(GetDlgItem(dialog, IDCANCEL));
    } else {
      Note("  file dialog " + Utf8(*modal.path));
      const bool replacing = modal.fileKind == FileDialogKind::Save && fs::exists(fs::path(*modal.path));
      const HWND box = AppDriver::ChildOfClass(GetDlgItem(dialog, kFileNameBox), L"Edit");
      SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(modal.path->c_str()));
      AppDriver::PressKey(box, VK_RETURN);
      if (replacing) {
        // The system asks before it replaces a file; the user says yes.
        const HWND ask = FindModal(IsMessageBox, dialog);
        if (!ask) return Stop("no question before a file was replaced");
        AppDriver::Press(GetDlgItem(ask, IDYES));
        app_->WaitGone(ask);
      }
    }
    if (!app_->WaitGone(dialog)) return Stop("the file dialog stayed");
    return ::testing::AssertionSuccess();
  }

  // Files dropped onto the list's lower left corner, which no dialog of the program
  // covers, while a modal window of the program is open.
  ::testing::AssertionResult DropWhileOpen(const std::vector<std::wstring>& paths) {
    RECT list;
    GetWindowRect(List(), &list);
    const POINT point{list.left + 12, list.bottom - 12};
    std::string names;
    for (const std::wstring& path : paths) names += " " + Utf8(fs::path(path).filename().wstring());
    Note("  dropped while a dialog is open:" + names);
    ++dropsWhileOpen_;
    return DropFilesThroughX(point, paths, File(L"xdnd_drop.log"));
  }

  ::testing::AssertionResult AnswerModals(const std::vector<ShownModal>& modals) {
    for (const ShownModal& modal : modals) {
      if (!modal.dropped.empty()) {
        if (auto dropped = DropWhileOpen(modal.dropped); !dropped) return Stop(std::string("a drop did not arrive: ") + dropped.message());
      }
      ::testing::AssertionResult answered = ::testing::AssertionSuccess();
      switch (modal.kind) {
        case ShownModal::Message: answered = AnswerMessage(modal); break;
        case ShownModal::InputBox: answered = AnswerInputBox(modal); break;
        case ShownModal::Chooser: answered = AnswerChooser(modal); break;
        case ShownModal::FileDialog: answered = AnswerFileDialog(modal); break;
      }
      if (!answered) return answered;
    }
    return ::testing::AssertionSuccess();
  }

  // --- What the window shows, and the files ------------------------------------------------

  std::vector<std::wstring> Fields() const {
    std::vector<std::wstring> texts;
    for (int i = 0; i < kColorSlotCount; ++i) texts.push_back(app_->Text(Field(i)));
    return texts;
  }

  bool ShowsTheShadow() const {
    DrawnForm1View& view = shadow_->view;
    if (ListEntries() != view.ListItems() || ListSelection() != view.ListIndex()) return false;
    for (int i = 0; i < kColorSlotCount; ++i) {
      if (app_->Text(Field(i)) != view.ColorFieldText(i)) return false;
    }
    return app_->Text(app_->Control(ControlName::txtTransformTitle)) == view.TransformTitleText();
  }

  std::string Describe() const {
    DrawnForm1View& view = shadow_->view;
    std::ostringstream text;
    text << "the program shows " << ListEntries().size() << " entries, selection " << ListSelection() << ", title \""
         << Utf8(app_->Text(app_->Control(ControlName::txtTransformTitle))) << "\", fields";
    for (const std::wstring& field : Fields()) text << " " << Utf8(field);
    text << "\nthe logic shows " << view.ListItems().size() << " entries, selection " << view.ListIndex() << ", title \""
         << Utf8(view.TransformTitleText()) << "\", fields";
    for (int i = 0; i < kColorSlotCount; ++i) text << " " << Utf8(view.ColorFieldText(i));
    return text.str();
  }

  // Takes what the shadow wrote as what the program's files must hold, and puts back
  // what they held, so that the program starts its action where the shadow did.
  void TakeShadowWrites() {
    for (const auto& [key, file] : shadowWrites.before) {
      std::error_code ignored;
      fs::remove(file.first, ignored);
      if (file.second) std::ofstream(file.first, std::ios::binary) << *file.second;
      expected_[key] = {file.first, shadowWrites.written[key]};
      pending_.push_back(key);
    }
    shadowWrites = {};
  }

  ::testing::AssertionResult CheckFile(const std::wstring& key) {
    ++filesChecked_;
    const auto& [path, bytes] = expected_.at(key);
    // The program may still be finishing the write.
    if (!app_->WaitUntil([&] { return FileBytes(path) == bytes; }, 5000)) {
      const std::optional<std::string> real = FileBytes(path);
      return Stop(Utf8(path.filename().wstring()) + ": the program's file (" +
                  (real ? std::to_string(real->size()) + " bytes" : "none") + ") is not the logic's (" +
                  (bytes ? std::to_string(bytes->size()) + " bytes" : "none") + ")");
    }
    return ::testing::AssertionSuccess();
  }

  // --- One action ---------------------------------------------------------------------------

  // Plays one random action on the shadow, then on the real program.
  ::testing::AssertionResult Act() {
    DrawnForm1View& view = shadow_->view;
    view.ForgetModals();
    const Control focus = view.FocusedControl();
    std::function<::testing::AssertionResult()> real;  // a failure when the real program could not be driven
    bool close = false;
    std::string step;

    const int kind = static_cast<int>(random_() % 100);
    if (kind < 20) {
      // A click on a list entry in sight.
      const HWND list = List();
      const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
      RECT client;
      GetClientRect(list, &client);
      const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
      const int inSight = std::min(view.ListCount() - top, std::max(1, static_cast<int>(client.bottom) / height));
      if (inSight <= 0) return ::testing::AssertionSuccess();
      const int entry = top + static_cast<int>(random_() % inSight);
      step = "click list entry " + std::to_string(entry);
      view.ClickListEntry(entry);
      real = [=, this] {
        app_->Click(list, 10, (entry - top) * height + height / 2);
        return ::testing::AssertionSuccess();
      };
    } else if (kind < 25) {
      // Arrow keys, while the list has the focus.
      if (focus.kind != Control::List || view.ListCount() == 0) return ::testing::AssertionSuccess();
      const bool down = random_() % 2 == 0;
      step = down ? "down arrow" : "up arrow";
      view.PressArrow(down ? 1 : -1);
      real = [=, this] {
        AppDriver::PressKey(List(), down ? VK_DOWN : VK_UP);
        return ::testing::AssertionSuccess();
      };
    } else if (kind < 52) {
      // Typing into a colour field or the title, or only a click into one.
      static constexpr std::wstring_view kColorKeys = L"0123456789ABCDEFabcdef xz";
      static constexpr std::wstring_view kTitleKeys = L"aZ 歌ｱ=?é";
      const bool title = kind < 32;
      const int slot = static_cast<int>(random_() % kColorSlotCount);
      const Control target = title ? Control::Title() : Control::Field(slot);
      // Only into a field that does not have the focus yet, so that its text is selected.
      if (target == focus) return ::testing::AssertionSuccess();
      std::wstring text;
      const int length = kind < 47 ? static_cast<int>(random_() % 8) : 0;
      const std::wstring_view keys = title ? kTitleKeys : kColorKeys;
      for (int i = 0; i < length; ++i) text += keys[random_() % keys.size()];
      step = (title ? "type into the title \"" : "type into field " + std::to_string(slot) + " \"") + Utf8(text) + "\"";
      view.Focus(target);
      view.Type(text);
      const HWND field = title ? app_->Control(ControlName::txtTransformTitle) : Field(slot);
      real = [=, this] {
        app_->TypeReplacing(field, text);
        return ::testing::AssertionSuccess();
      };
    } else if (kind < 62) {
      const int slot = static_cast<int>(random_() % kColorSlotCount);
      step = "colour chooser " + std::to_string(slot);
      view.ClickBrowse(slot);
      real = [=, this] {
        AppDriver::Press(app_->Control(ControlName::cmdBrows, slot));
        return ::testing::AssertionSuccess();
      };
    } else if (kind < 96) {
      // Any item of the menus, chosen from the keyboard as the menu table captions it.
      static const std::vector<MenuItemKeys> kItems = KeysOfEveryMenuItem();
      const MenuItemKeys& item = kItems[random_() % kItems.size()];
      // A user sees a greyed item and does not choose it.
      if (DropDownBefore(item.command)) {
        view.OpenMenuOf(item.command);
        if (!view.MenuItemEnabled(item.command)) return ::testing::AssertionSuccess();
      }
      step = Utf8(item.caption);
      close = item.command == MenuCommand::mnQuit;
      view.ChooseMenu(HandlerOf(item.command));
      real = [&item, this] { return app_->ChooseMenuByKeys(item.menuKey, item.keys); };
    } else if (kind < 98) {
      step = "close box";
      close = true;
      view.AskClose(CloseReason::CloseBox);
      real = [this] {
        app_->ClickCloseBox();
        return ::testing::AssertionSuccess();
      };
    } else {
      // From the taskbar or at the session's end, while another program is active: no
      // control of the window has the focus then.
      const bool sessionEnd = kind == 99;
      step = sessionEnd ? "session end while inactive" : "close from the taskbar while inactive";
      close = true;
      sessionEnd_ = sessionEnd;
      view.Deactivate();
      ++inactiveCloses_;
      view.AskClose(sessionEnd ? CloseReason::SessionEnd : CloseReason::CloseBox);
      real = [sessionEnd, this] {
        elsewhere_ = std::make_unique<AnotherProgramActive>();
        PostMessageW(app_->main(), sessionEnd ? WM_QUERYENDSESSION : WM_CLOSE, 0, 0);
        return ::testing::AssertionSuccess();
      };
    }

    ++actions_;
    Note(step);
    TakeShadowWrites();
    if (const ::testing::AssertionResult driven = real(); !driven) {
      return Stop("the program could not be driven: " + step + " (" + driven.message() + ")");
    }
    if (auto answered = AnswerModals(view.Modals()); !answered) return answered;
    // The session's end: every program answered, and the session does end, or not.
    if (sessionEnd_) PostMessageW(app_->main(), WM_ENDSESSION, view.Closed() ? TRUE : FALSE, 0);
    sessionEnd_ = false;
    elsewhere_.reset();

    if (view.Closed()) {
      if (!app_->WaitForExit(20000)) return Stop("the logic closed, the program did not end well");
      ++closes_;
    } else {
      if (!app_->WaitUntil([&] { return ShowsTheShadow(); }, 8000)) {
        return Stop("after \"" + step + "\" the program and the logic differ:\n" + Describe());
      }
      if (close) ++closes_;
    }
    // The files: every one the shadow wrote, and both of the program's after a close.
    if (close) {
      for (const wchar_t* name : {kSettingsFileName, kThemeStoreFileName}) {
        const std::wstring key = Key(File(name));
        if (std::find(pending_.begin(), pending_.end(), key) == pending_.end()) pending_.push_back(key);
      }
    }
    for (const std::wstring& key : pending_) {
      if (auto checked = CheckFile(key); !checked) return checked;
    }
    pending_.clear();
    return ::testing::AssertionSuccess();
  }

  void StartSession() {
    const std::vector<std::wstring> themeFiles{File(L"themes\\a.txt"), File(L"themes\\b.txt")};
    std::vector<std::wstring> openedToo{File(kThemeStoreFileName), File(kSettingsFileName)};
    openedToo.insert(openedToo.end(), sharedFiles_.begin(), sharedFiles_.end());
    std::vector<std::wstring> droppable = themeFiles;
    droppable.insert(droppable.end(), sharedFiles_.begin(), sharedFiles_.end());
    shadow_ = std::make_unique<Shadow>(random_, themeFiles, std::move(openedToo), std::move(droppable));
    shadow_->view.Open();
    ++sessions_;
    Note("start");
  }

  // Theme > add and drops can append a saved list to itself again and again: within an
  // hour the store reached 26 MB and each action took seconds, while a short list goes
  // through the same code (long lists are the hostile-file tests' and the benchmarks').
  // Between sessions a file grown past this is put back as it started, as a user might
  // restore a copy; the next session reads it as it finds it.
  static constexpr std::size_t kFileKeptUnder = 64 * 1024;

  void PutBackGrownFiles() {
    for (auto& [key, expected] : expected_) {
      auto& [path, bytes] = expected;
      if (!bytes || bytes->size() < kFileKeptUnder) continue;
      if (path.filename() == kThemeStoreFileName) {
        bytes = StoreBytes(FirstStore());
        Write(kThemeStoreFileName, *bytes);
      } else {
        fs::remove(path);
        bytes.reset();
      }
      ++filesPutBack_;
    }
  }

  static std::vector<StoredTheme> FirstStore() { return {kNight, kStandard, kSea}; }

  // Files no action writes: one without themes, a readme with headings, a store whose
  // lines end in LF alone.
  void WriteSharedFiles() {
    fs::create_directories(folder_ / L"shared");
    std::string lf = StoreBytes({kSea, kNight});
    std::erase(lf, '\r');
    const std::pair<const wchar_t*, std::string> files[] = {
        {L"shared\\notes.txt", "just notes\r\nkey=value\r\n"},
        {L"shared\\readme.txt", "[\x8E\x67\x82\xA2\x95\xFB]\r\ntext\r\n[Mine]\r\nCOLOR_BACK=&H0000FF\r\n[end]\r\n"},
        {L"shared\\lf.txt", lf},
    };
    for (const auto& [name, bytes] : files) {
      Write(name, bytes);
      sharedFiles_.push_back(File(name));
    }
  }

  std::mt19937 random_;
  unsigned seed_ = 0;
  std::vector<std::wstring> sharedFiles_;
  bool sessionEnd_ = false;
  int dropsWhileOpen_ = 0;
  int inactiveCloses_ = 0;
  int filesPutBack_ = 0;
  std::unique_ptr<AnotherProgramActive> elsewhere_;
  std::unique_ptr<Shadow> shadow_;
  // What each file must hold: its path and bytes (nullopt: no file).
  std::map<std::wstring, std::pair<fs::path, std::optional<std::string>>> expected_;
  std::vector<std::wstring> pending_;
  std::vector<std::string> log_;
  int actions_ = 0;
  int closes_ = 0;
  int filesChecked_ = 0;
  int sessions_ = 0;
};

TEST_F(Soak, ThousandsOfRandomActionsLoseNothing) {
  const int wanted = EnvNumber("HUEBROOK_SOAK_ACTIONS", 2000);
  seed_ = static_cast<unsigned>(EnvNumber("HUEBROOK_SOAK_SEED", static_cast<int>(std::time(nullptr) & 0x7FFFFFFF)));
  random_.seed(seed_);

  WriteLirvaFolder(FirstStore());
  fs::create_directories(folder_ / L"themes");
  WriteSharedFiles();
  for (const wchar_t* name : {kSettingsFileName, kThemeStoreFileName}) {
    expected_[Key(File(name))] = {fs::path(File(name)), FileBytes(File(name))};
  }
  const platform::WriteCalls noted = NotedWrites();
  const platform::ScopedWriteCalls noteShadowWrites(noted);
  // The shadow reads the program's own files, as the program does.
  const platform::ScopedProgramFolder programFolder(folder_.wstring());

  bool stopped = false;
  while (actions_ < wanted && !stopped) {
    PutBackGrownFiles();
    ASSERT_TRUE(StartProgram()) << Stop("the program did not start");
    StartSession();
    if (!app_->WaitUntil([&] { return ShowsTheShadow(); }, 8000)) {
      ADD_FAILURE() << Stop("at start the program and the logic differ:\n" + Describe());
      break;
    }
    while (actions_ < wanted && !shadow_->view.Closed()) {
      const ::testing::AssertionResult acted = Act();
      if (!acted) {
        ADD_FAILURE() << acted.message();
        stopped = true;
        break;
      }
    }
  }
  std::cout << "soak: " << actions_ << " actions, " << closes_ << " closes in " << sessions_ << " sessions, "
            << filesChecked_ << " files checked, " << dropsWhileOpen_ << " drops while a dialog was open, "
            << inactiveCloses_ << " closes while inactive, " << filesPutBack_ << " grown files put back, seed " << seed_ << (stopped ? ", STOPPED" : ", nothing lost")
            << "\n";
}

}  // namespace
