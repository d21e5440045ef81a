// The main window's logic driven by a random user: clicks on list entries and arrow
// keys, typing into the colour and title fields, the colour chooser, every menu
// command, any answer to any question, undo and redo, and closes, some of whose writes
// fail. After every action the window must be consistent with itself, every file
// written must read back to what the logic holds, and an undo must bring back what the
// window showed before the step it takes back.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/drawn_form1_view.h"
#include "fuzz/fuzz_input.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "platform/write_calls.h"
#include "settings/settings_file.h"
#include "tests/support/shown_window.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"
#include "themes/theme_ops.h"
#include "themes/theme_store_reader.h"
#include "ui/form1.h"
#include "ui/form1_menu.h"
#include "ui/form1_texts.h"

namespace {

// No host runs beside the program here.
std::vector<std::wstring> NoProgramsRunning() { return {}; }

namespace fs = std::filesystem;

// --- The folder the program runs in ----------------------------------------------------

void WriteFile(const std::wstring& path, const std::string& bytes, bool present) {
  std::error_code ignored;
  fs::remove(fs::path(path), ignored);
  if (present) std::ofstream(fs::path(path), std::ios::binary) << bytes;
}


struct Folder {
  fs::path root;
  std::wstring settings, store;
  std::vector<std::wstring> themeFiles;
  // Files no run writes: one without themes, a readme with headings and one theme, a
  // store whose lines end in LF alone; and what else may be dropped: a folder, a file
  // that is not there.
  std::vector<std::wstring> sharedFiles;
  std::vector<std::wstring> droppable;
  std::vector<std::string> settingSeeds, storeSeeds;
  // What each file holds now (nullopt: no file), as the runs wrote it or saw it written.
  std::map<std::wstring, std::optional<std::string>> onDisk;

  Folder() {
    // Memory-backed where there is such a place: the runs write many small files.
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    root = base / ("huebrook-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "themes");
    for (const char* tool : {"wavtool.exe", "resampler.exe"}) std::ofstream(root / tool) << "MZ";
    settings = (root / "setting.ini").wstring();
    store = (root / "lirvacolors.ini").wstring();
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) themeFiles.push_back((root / "themes" / name).wstring());
    MakeSeeds();
    MakeSharedFiles();
  }
  // Makes the file hold `bytes` (nullopt: no file), touching the disk only when it
  // does not already.
  void Put(const std::wstring& path, const std::optional<std::string>& bytes) {
    std::optional<std::string>& known = onDisk[path];
    if (known == bytes) return;
    WriteFile(path, bytes.value_or(""), bytes.has_value());
    known = bytes;
  }

  ~Folder() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  void MakeSharedFiles() {
    fs::create_directories(root / "shared" / "folder.txt");
    ThemeList lf(3);
    lf[1].Name = L"LF";
    lf[1].Colors[COLOR_BACK] = 0x00FF00;
    lf[2].Name = L"二";
    lf[2].TransformTitle = L"題";
    std::string lfBytes = platform::JoinLinesCrlf(WriteThemeStoreLines(lf));
    std::erase(lfBytes, '\r');
    const std::pair<const char*, std::string> files[] = {
        {"notes.txt", "just notes\r\nkey=value\r\n"},
        {"readme.txt", "[\x8E\x67\x82\xA2\x95\xFB]\r\ntext\r\n[Mine]\r\nCOLOR_BACK=&H0000FF\r\n[end]\r\n"},
        {"lf.txt", lfBytes},
    };
    for (const auto& [name, bytes] : files) {
      const fs::path path = root / "shared" / name;
      std::ofstream(path, std::ios::binary) << bytes;
      sharedFiles.push_back(path.wstring());
    }
    droppable = themeFiles;
    droppable.insert(droppable.end(), sharedFiles.begin(), sharedFiles.end());
    droppable.push_back((root / "shared" / "folder.txt").wstring());
    droppable.push_back((root / "shared" / "gone.txt").wstring());
  }

  void MakeSeeds() {
    SettingsRecord host;
    SetStandardColors(host);
    SetDefaultSettings(host);
    host.Tool1Path = (root / "wavtool.exe").wstring();
    host.Tool2Path = (root / "resampler.exe").wstring();
    host.OtoList = {{0, L"voice\tあ\t0"}};
    host.History = {L"a.ust", L""};
    host.TransformTitle = L"歌声";
    host.MainWindow = L"10,20,800,600";
    host.OtherLines = {L"FutureKey=7", L"[odd]"};
    settingSeeds.push_back("");  // no setting.ini
    settingSeeds.push_back(platform::JoinLinesCrlf(WriteSettingsLines(host)));
    for (int s = 0; s < kColorSlotCount; ++s) host.Colors[s] = static_cast<Color>(0x1000000 * s + 0x8000 + s);
    host.TransformTitle.clear();
    settingSeeds.push_back(platform::JoinLinesCrlf(WriteSettingsLines(host)));

    ThemeList themes(4);
    themes[1].Name = L"夜";
    themes[1].TransformTitle = L"夜の歌";
    themes[2].Name = L"a]b";
    themes[3].Name = L"";
    for (int s = 0; s < kColorSlotCount; ++s) {
      themes[1].Colors[s] = 0x101010 * (s % 15);
      themes[2].Colors[s] = 0x8000 + s;
      themes[3].Colors[s] = 0xFFFFFF - s;
    }
    storeSeeds.push_back("");  // no store
    storeSeeds.push_back(platform::JoinLinesCrlf(WriteThemeStoreLines(themes)));
    themes.resize(2);
    storeSeeds.push_back(platform::JoinLinesCrlf(WriteThemeStoreLines(themes)));
  }
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

std::optional<std::string> ReadFile(const std::wstring& path) {
  std::string bytes;
  if (!platform::PlainFileExists(path) || !platform::ReadFileBytes(path, bytes).ok()) return std::nullopt;
  return bytes;
}

int CountEntries(const fs::path& folder) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(folder)) n += entry.is_regular_file() ? 1 : 0;
  return n;
}

// --- What the files can hold --------------------------------------------------------------

// A text as it comes back from a file: through the code page, and cut at an "=", which
// a value of these files cannot carry.
std::wstring AsStored(const std::wstring& text, bool cutAtEquals) {
  std::wstring back = platform::FromCodePage(platform::ToCodePage(text));
  if (cutAtEquals) back = back.substr(0, back.find(L'='));
  return back;
}

// The themes read from a file are entries `first`.. of the list (as a file can hold
// them, when `asStored`); says where they differ when they do.
bool SameThemes(const std::vector<Theme>& read, const ThemeList& list, std::size_t first, bool asStored) {
  if (read.size() + first != list.size()) {
    std::fprintf(stderr, "%zu themes read, %zu held\n", read.size(), list.size() - first);
    return false;
  }
  for (std::size_t i = 0; i < read.size(); ++i) {
    const Theme& held = list[i + first];
    const std::wstring name = asStored ? AsStored(held.Name, false) : held.Name;
    const std::wstring title = asStored ? AsStored(held.TransformTitle, true) : held.TransformTitle;
    bool same = read[i].Name == name && read[i].TransformTitle == title;
    for (int s = 0; s < kColorSlotCount; ++s) {
      same = same && read[i].Colors[s] == (asStored ? held.Colors[s] & 0xFFFFFF : held.Colors[s]);
    }
    if (!same) {
      std::fprintf(stderr, "theme %zu read as \"%s\" \"%s\", held as \"%s\" \"%s\"\n", i + first,
                   platform::ToUtf8(read[i].Name).c_str(), platform::ToUtf8(read[i].TransformTitle).c_str(),
                   platform::ToUtf8(held.Name).c_str(), platform::ToUtf8(held.TransformTitle).c_str());
      return false;
    }
  }
  return true;
}

std::vector<Theme> ThemesOf(const std::string& bytes) {
  ThemeStoreReader reader;
  ReadThemeStoreBytes(bytes, reader);
  return reader.TakeThemes();
}

// --- One run ---------------------------------------------------------------------------------

class Run;
Run* currentRun = nullptr;

struct Written {
  std::wstring path;
  bool ok;
};

class Run : private CloseObserver {
 public:
  explicit Run(FuzzInput& in)
      : in_(in),
        folder_(TheFolder()),
        view_(in, folder_.themeFiles, OpenedToo(folder_)),
        form_(settings_, view_, NoProgramsRunning),
        calls_(StandIns()) {
    currentRun = this;
    const int settingSeed = in_.Below(static_cast<int>(folder_.settingSeeds.size()));
    const int storeSeed = in_.Below(static_cast<int>(folder_.storeSeeds.size()));
    auto seed = [](const std::vector<std::string>& seeds, int i) {
      return i == 0 ? std::nullopt : std::optional<std::string>(seeds[static_cast<std::size_t>(i)]);
    };
    folder_.Put(folder_.settings, seed(folder_.settingSeeds, settingSeed));
    folder_.Put(folder_.store, seed(folder_.storeSeeds, storeSeed));
    for (const std::wstring& path : folder_.themeFiles) folder_.Put(path, std::nullopt);
    view_.Attach(form_, this);
    view_.DropWhileModal(folder_.droppable);
  }
  ~Run() { currentRun = nullptr; }

  // What the open dialog offers besides the theme files the runs write.
  static std::vector<std::wstring> OpenedToo(const Folder& folder) {
    std::vector<std::wstring> paths = {folder.store, folder.settings};
    paths.insert(paths.end(), folder.sharedFiles.begin(), folder.sharedFiles.end());
    return paths;
  }

  void Play() {
    view_.Open();
    Check();
    for (int action = 0; action < kMostActions && !in_.Empty() && !view_.Closed() && !Crowded(); ++action) {
      Act();
      if (!view_.Closed()) Check();
    }
  }

  // The rename of a safe write: fails when the input says so. A file written is
  // checked at once, against what the logic holds at that moment.
  static int Rename(const char* from, const char* to) {
    Run& run = *currentRun;
    const std::wstring target = platform::FromUtf8(to);
    if (run.in_.Below(8) == 7) {
      run.written_.push_back({target, false});
      errno = EACCES;
      return -1;
    }
    const int result = platform::SystemWriteCalls().Rename(from, to);
    run.written_.push_back({target, result == 0});
    if (result == 0) run.CheckWritten(target);
    return result;
  }

 private:
  // A session's length. Theme > add can double the list each time (add the store's
  // themes, save, add the file again), and a run with thousands of themes does what one
  // with dozens does, a hundred times slower: a session ends once the list is crowded.
  static constexpr int kMostActions = 64;
  static constexpr std::size_t kMostThemes = 64;
  bool Crowded() const { return form_.Themes().size() > kMostThemes; }

  static platform::WriteCalls StandIns() {
    platform::WriteCalls calls = platform::SystemWriteCalls();
    calls.Rename = &Run::Rename;
    return calls;
  }

  void Act() {
    static constexpr std::wstring_view kColorKeys = L"0123456789ABCDEFabcdef &Hxz";
    static constexpr std::wstring_view kTitleKeys = L"aZ 歌ｱ=?\\é";
    // Every item of the window's own menus, in their order.
    static const std::vector<MenuHandler> kMenu = MenuItemHandlers();
    written_.clear();
    const int rebuildsBefore = view_.ListRebuilds();
    const int dropsBefore = view_.DropsMade();
    const std::size_t promptsBefore = view_.Prompts().size();
    const std::size_t shownBefore = view_.Shown().size();
    const KeptEdits kept = EditsNow();
    const StepsNow steps = StepsBefore();
    const int kind = in_.Below(11);
    Trace(kind);
    Taking taking{Taking::Step};
    switch (kind) {
      case 0:
        view_.ClickListEntry(in_.Below(view_.ListCount()));
        break;
      case 1:
        view_.Focus(Control::ListBox());
        view_.PressArrow(in_.Bool() ? 1 : -1);
        break;
      case 2:
        view_.Focus(Control::Field(in_.Below(kColorSlotCount)));
        view_.Type(in_.Text(kColorKeys, 8));
        break;
      case 3:
        view_.Focus(Control::Title());
        view_.Type(in_.Text(kTitleKeys, 4));
        break;
      case 4:
        if (in_.Below(4) == 0) {
          // Files dropped onto the window.
          view_.DropFiles({folder_.droppable[static_cast<std::size_t>(in_.Below(static_cast<int>(folder_.droppable.size())))]});
          break;
        }
        // Elsewhere: takes a pending colour edit.
        view_.Focus(in_.Bool() ? Control::PictureBox() : Control::Field(in_.Below(kColorSlotCount)));
        break;
      case 5:
        view_.ClickBrowse(in_.Below(kColorSlotCount));
        break;
      case 6:
      case 7:
      {
        const MenuHandler item = kMenu[static_cast<std::size_t>(in_.Below(static_cast<int>(kMenu.size())))];
        // The user was in another program, and comes back to the menu.
        if (in_.Below(8) == 0) view_.Deactivate();
        exporting_ = item == &Form1Events::mnExportTheme_Click;
        if (item == &Form1Events::mnUndo_Click) taking = TakingBy(Taking::Undo, false, steps);
        if (item == &Form1Events::mnRedo_Click) taking = TakingBy(Taking::Redo, false, steps);
        view_.ChooseMenu(item);
        exporting_ = false;
        break;
      }
      case 8:
        // Ctrl+Z, Ctrl+Y wherever the focus is: in a field that holds typing, the
        // field's own.
        if (in_.Bool()) {
          taking = TakingBy(Taking::Undo, true, steps);
          view_.PressUndoKey();
        } else {
          taking = TakingBy(Taking::Redo, true, steps);
          view_.PressRedoKey();
        }
        break;
      default:
        // From the taskbar, Task Manager or the session's end while another program is
        // active, or with the window's own close box.
        if (in_.Below(4) == 0) view_.Deactivate();
        view_.AskClose(in_.Bool() ? CloseReason::CloseBox : CloseReason::SessionEnd);
        break;
    }
    CheckFailedWrites(0, promptsBefore);
    const bool dropped = view_.DropsMade() != dropsBefore;
    // An undo or redo fills the list again too, from what it held.
    if (taking.kind == Taking::Step) CheckLoad(rebuildsBefore, dropped);
    if (!view_.Closed()) CheckKeptEdits(kept, shownBefore, rebuildsBefore);
    if (!view_.Closed()) FollowSteps(steps, taking, dropped && kind != 4, kind == 3);
  }

  // --- Undo and redo ------------------------------------------------------------------------

  using Shown = ShownWindow;
  Shown ShownNow() { return ShownBy(form_, view_, settings_); }

  // Each step the window keeps, as this run saw it made: the window before it, and
  // after it (nullopt: not known, as for the second of two steps one action made). A
  // step made while a colour field held an edit starts once the edit was taken, which
  // may have marked the settings changed without a step of its own.
  struct SeenStep {
    std::optional<Shown> before, after;
    bool changedByTakenEdit = false;
  };

  struct StepsNow {
    std::size_t undo = 0, redo = 0;
    bool editPending = false;
    Shown shown;
  };
  StepsNow StepsBefore() {
    return {form_.History().UndoCount(), form_.History().RedoCount(),
            form_.State().ColorFieldEdited || view_.TypedColorField() >= 0, ShownNow()};
  }

  struct Taking {
    enum Kind { Step, Undo, Redo } kind = Step;
    // Ctrl+Z in the field that holds typing: the field's own, no step taken back. Or
    // Edit > Redo, greyed while a colour being typed would be a step of its own.
    bool nothingTaken = false;
    // A colour still being typed is taken first, a step of its own when it changes the
    // colour.
    bool colorTakenFirst = false;
  };
  Taking TakingBy(Taking::Kind kind, bool byKey, const StepsNow& before) {
    Taking taking{kind};
    const int typed = view_.TypedColorField();
    if (typed < 0) return taking;
    if (byKey && view_.FocusedControl() == Control::Field(typed)) {
      taking.nothingTaken = true;
      return taking;
    }
    SettingsRecord edited = settings_;
    CommitColorField(edited, typed, view_.ColorFieldText(typed));
    taking.colorTakenFirst = edited.Colors != before.shown.colors;
    taking.nothingTaken = taking.colorTakenFirst && kind == Taking::Redo && !byKey;
    return taking;
  }

  // The window is as a step left it; when tracing, says where it is not.
  bool ShowsAsSeen(const Shown& now, const Shown& seen, bool changedByTakenEdit = false) const {
    if (now == seen) return true;
    if (changedByTakenEdit && now.settingsChanged && !seen.settingsChanged) {
      Shown changed = seen;
      changed.settingsChanged = true;
      if (now == changed) return true;
    }
    if (tracing_) {
      std::fprintf(stderr, "  shown: list %d/%zu themes, current %d, changed %d/%d; seen: list %d/%zu themes, current %d, "
                   "changed %d/%d; colours %s, title %s, themes %s, items %s\n",
                   now.selection, now.themes.size(), now.current, now.settingsChanged, now.themeListChanged, seen.selection,
                   seen.themes.size(), seen.current, seen.settingsChanged, seen.themeListChanged,
                   now.colors == seen.colors ? "same" : "differ", now.title == seen.title ? "same" : "differ",
                   now.themes == seen.themes ? "same" : "differ", now.items == seen.items ? "same" : "differ");
    }
    return false;
  }

  // An undo brings back what the window showed before the step, a redo what it showed
  // after it; a new step clears the steps to redo.
  void FollowSteps(const StepsNow& before, Taking taking, bool droppedDuringCommand, bool titleTyped) {
    const std::size_t undo = form_.History().UndoCount();
    const std::size_t redo = form_.History().RedoCount();
    const Shown now = ShownNow();
    const bool known = seenUndo_.size() == before.undo && seenRedo_.size() == before.redo;
    if (taking.kind != Taking::Step && taking.nothingTaken) {
      FUZZ_CHECK(undo == before.undo && redo == before.redo);
    } else if (taking.kind == Taking::Undo && taking.colorTakenFirst) {
      // The colour taken, then taken back.
      FUZZ_CHECK(undo == before.undo && redo == 1);
      FUZZ_CHECK(ShowsAsSeen(now, before.shown));
      seenRedo_.assign(1, SeenStep{before.shown, std::nullopt});
    } else if (taking.kind == Taking::Undo && before.undo > 0) {
      FUZZ_CHECK(undo == before.undo - 1 && redo == before.redo + 1);
      if (known) {
        const SeenStep step = seenUndo_.back();
        if (step.before) FUZZ_CHECK(ShowsAsSeen(now, *step.before, step.changedByTakenEdit));
        seenRedo_.push_back(step);
        seenUndo_.pop_back();
      }
    } else if (taking.kind == Taking::Redo && taking.colorTakenFirst) {
      // The colour taken is the newest step: nothing is left to redo.
      FUZZ_CHECK(undo == before.undo + 1 && redo == 0);
      seenUndo_.push_back({before.shown, now});
      seenRedo_.clear();
    } else if (taking.kind == Taking::Redo && before.redo > 0) {
      FUZZ_CHECK(undo == before.undo + 1 && redo == before.redo - 1);
      if (known) {
        if (seenRedo_.back().after) FUZZ_CHECK(ShowsAsSeen(now, *seenRedo_.back().after));
        seenUndo_.push_back(seenRedo_.back());
        seenRedo_.pop_back();
      }
    } else if (taking.kind == Taking::Step && undo > before.undo) {
      FUZZ_CHECK(redo == 0);
      seenRedo_.clear();
      // The first of the steps started from the window before the action, unless files
      // dropped during a dialog went in first. The last ended in the window now, unless
      // it was a colour being typed, taken as the action began: what the action did
      // then (a theme chosen, a file applied) is no step.
      const bool lastMayBeTheTypedColour = before.editPending && undo == before.undo + 1;
      for (std::size_t k = before.undo; k < undo; ++k) {
        SeenStep step;
        if (k == before.undo && !droppedDuringCommand) step.before = before.shown;
        if (k + 1 == undo && !lastMayBeTheTypedColour) step.after = now;
        step.changedByTakenEdit = before.editPending;
        seenUndo_.push_back(std::move(step));
      }
    } else if (undo == before.undo && redo == before.redo && titleTyped && now.title != before.shown.title &&
               !seenUndo_.empty()) {
      // More keystrokes in the title extend the last step.
      seenUndo_.back().after = now;
    }
    // Anything else (a pending colour taken as a step before an undo, the oldest steps
    // let go once the history is full) is followed from here on, without knowing those
    // steps.
    const bool full = std::max(undo, before.undo) >= UndoHistory::kStepsKept;
    if (full || seenUndo_.size() != undo) seenUndo_.assign(undo, SeenStep{});
    if (full || seenRedo_.size() != redo) seenRedo_.assign(redo, SeenStep{});
  }

  // --- Edits the user chose to keep ------------------------------------------------------

  // The unsaved edits before an action, if any, with the colour still being typed, which
  // every action takes first. A focused field whose text is not taken yet is taken only
  // when the focus leaves it, which the action may or may not do: the edits are either.
  struct KeptEdits {
    bool unsaved = false;
    std::vector<SettingsRecord> either;
  };
  KeptEdits EditsNow() {
    SettingsRecord edited = settings_;
    const int typed = view_.TypedColorField();
    if (typed >= 0) CommitColorField(edited, typed, view_.ColorFieldText(typed));
    KeptEdits kept{form_.State().SettingsChanged || typed >= 0, {edited}};
    const Control focus = view_.FocusedControl();
    if (typed < 0 && focus.kind == Control::ColorField && form_.State().ColorFieldEdited) {
      CommitColorField(edited, focus.index, view_.ColorFieldText(focus.index));
      kept.unsaved = true;
      kept.either.push_back(edited);
    }
    return kept;
  }

  static bool AsksToKeepEdits(const std::wstring& prompt) {
    const std::wstring_view changed = L"設定が変更されています。";
    return prompt == SwitchQuestion(Language::Japanese) || prompt == ApplyToNewThemeQuestion(Language::Japanese) ||
           (prompt.starts_with(changed) && prompt.ends_with(L"に保存しますか？"));
  }

  // Edits the user answered Yes to keeping are kept, whatever was cancelled after: in
  // the current values or in a theme of the list. Only a name not given for them
  // (the input box cancelled) lets them go, as does a load the user let replace the list
  // after declining to save it.
  void CheckKeptEdits(const KeptEdits& before, std::size_t shownBefore, int rebuildsBefore) {
    if (!before.unsaved) return;
    bool keptYes = false;
    bool offeredAndSaved = false;
    bool offerYes = false;
    for (std::size_t i = shownBefore; i < view_.Shown().size(); ++i) {
      const ShownModal& shown = view_.Shown()[i];
      if (shown.kind == ShownModal::InputBox && (shown.steps.empty() || shown.steps.back().kind != InputBoxStep::ClickOk)) return;
      if (shown.kind == ShownModal::Message && shown.answer == MsgBoxAnswer::Yes) {
        if (AsksToKeepEdits(shown.prompt)) keptYes = true;
        if (keptYes && shown.prompt == SaveBeforeLoadQuestion(Language::Japanese)) offerYes = true;
      }
      if (offerYes && shown.kind == ShownModal::FileDialog && shown.fileKind == FileDialogKind::Save && shown.path) {
        offeredAndSaved = true;
      }
    }
    if (!keptYes) return;
    if (view_.ListRebuilds() != rebuildsBefore) {
      // A load went on: when the user asked to save the list first, it was saved.
      if (offerYes) FUZZ_CHECK(offeredAndSaved);
      return;
    }
    bool found = false;
    for (const SettingsRecord& edits : before.either) {
      found = found || (settings_.Colors == edits.Colors && settings_.TransformTitle == edits.TransformTitle);
      for (const Theme& theme : form_.Themes()) {
        found = found || (theme.Colors == edits.Colors && theme.TransformTitle == edits.TransformTitle);
      }
    }
    if (!found && tracing_) {
      for (std::size_t i = shownBefore; i < view_.Shown().size(); ++i) {
        const ShownModal& shown = view_.Shown()[i];
        std::fprintf(stderr, "  modal %d \"%s\" answered %d\n", shown.kind, platform::ToUtf8(shown.prompt).c_str(),
                     static_cast<int>(shown.answer));
      }
    }
    FUZZ_CHECK(found);
  }

  // HUEBROOK_FUZZ_TRACE=1 shows what a run does, to follow an input that failed.
  void Trace(int kind) {
    if (!tracing_) return;
    static constexpr const char* kKinds[] = {"click list", "arrow", "type colour", "type title", "focus", "chooser",
                                             "menu",       "menu",  "undo key",    "close",      "close"};
    std::fprintf(stderr, "%s (list %d of %d, current %d, changed %d, list changed %d)\n", kKinds[kind],
                 view_.ListIndex(), view_.ListCount(), form_.State().CurrentThemeIndex, form_.State().SettingsChanged,
                 form_.State().ThemeListChanged);
    if (form_.History().CanUndo()) {
      const UndoStep& top = form_.History().NextUndo();
      std::fprintf(stderr, "  %zu steps, the last \"%s\" from changed %d\n", form_.History().UndoCount(),
                   platform::ToUtf8(top.name).c_str(), top.before.settingsChanged);
    }
  }

  // --- After every action ---------------------------------------------------------------

  void Check() {
    const ThemeList& themes = form_.Themes();
    const Form1State& state = form_.State();
    const std::vector<std::wstring> items = view_.ListItems();
    FUZZ_CHECK(!themes.empty());
    FUZZ_CHECK(items.size() == themes.size());
    for (std::size_t i = 0; i < items.size() && i < themes.size(); ++i) FUZZ_CHECK(items[i] == themes[i].Name);
    FUZZ_CHECK(view_.ListIndex() >= -1 && view_.ListIndex() < static_cast<int>(items.size()));
    FUZZ_CHECK(state.CurrentThemeIndex >= 0 && state.CurrentThemeIndex < static_cast<int>(themes.size()));
    FUZZ_CHECK(!state.ListClickSuppressed);
    FUZZ_CHECK(view_.TransformTitleText() == settings_.TransformTitle);
    // Nothing unsaved: the current values are those of the current theme.
    if (!state.SettingsChanged) {
      const Theme& current = themes[static_cast<std::size_t>(state.CurrentThemeIndex)];
      FUZZ_CHECK(current.Colors == settings_.Colors);
      FUZZ_CHECK(current.TransformTitle == settings_.TransformTitle);
    }
    // No edit pending: every field shows its colour.
    if (!state.ColorFieldEdited) {
      for (int s = 0; s < kColorSlotCount; ++s) FUZZ_CHECK(view_.ColorFieldText(s) == ColorToText(settings_.Colors[s]));
    }
  }

  // A file just written reads back to what the logic holds: setting.ini to the record
  // (only at a close with something for it), the store and theme files to the themes.
  void CheckWritten(const std::wstring& path) {
    const std::optional<std::string> bytes = ReadFile(path);
    if (tracing_) std::fprintf(stderr, "  wrote %s\n", platform::ToUtf8(path).c_str());
    FUZZ_CHECK(bytes.has_value());
    if (path == folder_.settings) {
      FUZZ_CHECK(view_.Closing() && before_.condition);
      SettingsRecord back;
      const SettingsLoadResult read = LoadSettings(back);
      FUZZ_CHECK(read.found && read.status.ok());
      SettingsRecord expected = settings_;
      expected.TransformTitle = AsStored(expected.TransformTitle, true);
      FUZZ_CHECK(back == expected);
    } else {
      if (path == folder_.store) FUZZ_CHECK(view_.Closing() && (before_.condition || before_.listChanged));
      if (exporting_) {
        // The selected theme alone, as File > save writes a list holding only it.
        FUZZ_CHECK(view_.ListIndex() > 0);
        const ThemeList one = {form_.Themes()[0], form_.Themes()[static_cast<std::size_t>(view_.ListIndex())]};
        FUZZ_CHECK(SameThemes(ThemesOf(*bytes), one, 1, true));
      } else {
        FUZZ_CHECK(SameThemes(ThemesOf(*bytes), form_.Themes(), 1, true));
      }
    }
    folder_.onDisk[path] = bytes;
  }

  // A write that failed left its file as it was, no temporary file beside it, and the
  // user was told which file.
  void CheckFailedWrites(std::size_t from, std::size_t promptsBefore) {
    bool failed = false;
    for (std::size_t i = from; i < written_.size(); ++i) {
      if (written_[i].ok) continue;
      failed = true;
      FUZZ_CHECK(ReadFile(written_[i].path) == folder_.onDisk[written_[i].path]);
      FUZZ_CHECK(Told(promptsBefore, written_[i].path));
    }
    if (!failed) return;
    FUZZ_CHECK(CountEntries(folder_.root / "themes") == CountThemeFiles());
    FUZZ_CHECK(CountEntries(folder_.root) == 2 + (folder_.onDisk[folder_.settings] ? 1 : 0) + (folder_.onDisk[folder_.store] ? 1 : 0));
  }

  // File > load: after the list was built from a file, it holds the file's themes after
  // the current values, and counts as unchanged.
  // Files dropped during the load's dialogs are added after it, at the end.
  void CheckLoad(int rebuildsBefore, bool dropped) {
    if (view_.ListRebuilds() == rebuildsBefore || view_.Closed()) return;
    FUZZ_CHECK(view_.LastOpened().has_value());
    const std::optional<std::string> bytes = ReadFile(*view_.LastOpened());
    FUZZ_CHECK(bytes.has_value());
    const std::vector<Theme> loaded = ThemesOf(*bytes);
    ThemeList listed = form_.Themes();
    if (dropped && listed.size() > loaded.size() + 1) listed.resize(loaded.size() + 1);
    FUZZ_CHECK(SameThemes(loaded, listed, 1, false));
    const Theme& entry0 = form_.Themes()[0];
    FUZZ_CHECK(entry0.Colors == settings_.Colors && entry0.TransformTitle == settings_.TransformTitle);
    if (!dropped) FUZZ_CHECK(!form_.State().ThemeListChanged);
    FUZZ_CHECK(form_.State().CurrentThemeIndex == 0);
  }

  int CountThemeFiles() {
    int n = 0;
    for (const std::wstring& path : folder_.themeFiles) n += platform::PlainFileExists(path) ? 1 : 0;
    return n;
  }

  bool Told(std::size_t promptsBefore, const std::wstring& what) const {
    const std::wstring name = what.substr(what.find_last_of(L"/\\") + 1);
    for (std::size_t i = promptsBefore; i < view_.Prompts().size(); ++i) {
      if (view_.Prompts()[i].find(name) != std::wstring::npos) return true;
    }
    return false;
  }

  // --- The close ---------------------------------------------------------------------------

  struct BeforeTheClose {
    bool condition = false;
    bool listChanged = false;
    int editedField = -1;  // a colour still being typed, which the close takes first
    Form1State state;
    std::vector<std::wstring> items;
    SettingsRecord settings;
    std::size_t prompts = 0;
    int drops = 0;
  };

  void BeforeClose(CloseReason /*reason*/) override {
    // A close first takes a colour still being typed, which marks the settings changed.
    const bool editPending = view_.TypedColorField() >= 0;
    before_.editedField = view_.TypedColorField();
    before_.condition = view_.ListIndex() > 0 || form_.State().SettingsChanged || editPending;
    before_.listChanged = form_.State().ThemeListChanged;
    before_.state = form_.State();
    before_.items = view_.ListItems();
    before_.settings = settings_;
    before_.prompts = view_.Prompts().size();
    before_.drops = view_.DropsMade();
    closeWritesFrom_ = written_.size();
  }

  void AfterClose(CloseReason /*reason*/, bool closed) override {
    bool settingsWritten = false;
    bool storeWritten = false;
    for (std::size_t i = closeWritesFrom_; i < written_.size(); ++i) {
      if (!written_[i].ok) continue;
      settingsWritten = settingsWritten || written_[i].path == folder_.settings;
      storeWritten = storeWritten || written_[i].path == folder_.store;
    }
    CheckFailedWrites(closeWritesFrom_, before_.prompts);

    const bool asked = view_.Prompts().size() > before_.prompts;
    if (closed) {
      // Nothing is dropped without the user's word.
      if (before_.condition && !settingsWritten) FUZZ_CHECK(asked);
      if ((before_.condition || before_.listChanged) && !storeWritten) FUZZ_CHECK(asked);
    } else {
      // A close that stays open changes nothing but the colour it took from the field.
      FUZZ_CHECK(asked);
      const Form1State& state = form_.State();
      SettingsRecord expected = before_.settings;
      if (before_.editedField >= 0) {
        expected.Colors[before_.editedField] = settings_.Colors[before_.editedField];
        FUZZ_CHECK(state.SettingsChanged);
      } else {
        FUZZ_CHECK(state.SettingsChanged == before_.state.SettingsChanged);
      }
      FUZZ_CHECK(state.CurrentThemeIndex == before_.state.CurrentThemeIndex);
      // Files dropped while the close asked are added once it went back to the window.
      std::vector<std::wstring> items = view_.ListItems();
      if (view_.DropsMade() != before_.drops && items.size() > before_.items.size()) {
        items.resize(before_.items.size());
      } else {
        FUZZ_CHECK(state.ThemeListChanged == before_.state.ThemeListChanged);
      }
      FUZZ_CHECK(items == before_.items);
      FUZZ_CHECK(settings_ == expected);
    }
  }

  const bool tracing_ = std::getenv("HUEBROOK_FUZZ_TRACE") != nullptr;
  FuzzInput& in_;
  Folder& folder_;
  SettingsRecord settings_;
  DrawnForm1View view_;
  Form1 form_;
  platform::WriteCalls calls_;
  platform::ScopedWriteCalls useStandIns_{calls_};
  platform::ScopedProgramFolder programFolder_{folder_.root.wstring()};
  std::vector<Written> written_;
  std::vector<SeenStep> seenUndo_, seenRedo_;
  std::size_t closeWritesFrom_ = 0;
  bool exporting_ = false;  // Theme > export is writing the selected theme alone
  BeforeTheClose before_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  Run run(in);
  run.Play();
  return 0;
}
