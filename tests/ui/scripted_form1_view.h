#pragma once
// The simulated toolkit with answers a test scripts beforehand: tests play the user
// (click, type, move the focus, choose menu items) and script every answer to a modal
// window. A modal window the test did not script, an answer left over at the end, or a
// user action the window cannot take now fails the test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/simulated_form1.h"
#include "tests/ui/recording_surface.h"

class ScriptedAnswers : public ModalAnswers {
 public:
  ~ScriptedAnswers();
  void Message(MsgBoxAnswer answer, std::optional<std::wstring> expectedPrompt = std::nullopt);
  void InputBox(std::vector<InputBoxStep> steps);
  void Chooser(std::optional<Color> chosen);
  void FileDialog(std::optional<std::wstring> path);
  void DropDuringNextModal(std::vector<std::wstring> paths) { dropDuringModal_ = std::move(paths); }
  int Pending() const { return static_cast<int>(script_.size()); }
  // Each modal window shown, by kind, as it opened.
  const std::vector<ShownModal>& Shown(ShownModal::Kind kind) const { return shown_[kind]; }

  MsgBoxAnswer AnswerMessage(const ShownModal& shown) override;
  std::vector<InputBoxStep> AnswerInputBox(const ShownModal& shown) override;
  std::optional<Color> AnswerChooser(const ShownModal& shown) override;
  std::optional<std::wstring> AnswerFileDialog(const ShownModal& shown) override;
  std::vector<std::wstring> DroppedDuring(const ShownModal& shown) override;
  void InputBoxLeftOpen() override;
  void Fault(const std::string& what) override;
  void CannotAct(const std::string& what) override;

 private:
  struct Answer {
    ShownModal::Kind kind;
    MsgBoxAnswer message = MsgBoxAnswer::Cancel;
    std::optional<std::wstring> expectedPrompt;
    std::vector<InputBoxStep> steps;
    std::optional<Color> color;
    std::optional<std::wstring> file;
  };
  std::optional<Answer> Next(const ShownModal& shown, const std::wstring& what);

  std::deque<Answer> script_;
  std::vector<std::wstring> dropDuringModal_;
  std::vector<ShownModal> shown_[4];
};

// The test's own parts, made before the simulated window that uses them.
struct ScriptedParts {
  ScriptedAnswers answers;
  RecordingSurface surface;
};

class ScriptedForm1View : private ScriptedParts, public SimulatedForm1 {
 public:
  ScriptedForm1View() : SimulatedForm1(answers, surface) {}

  // The language the window speaks; Japanese unless a test says otherwise.
  void SetInterfaceLanguage(Language language) {
    SimulatedForm1::SetInterfaceLanguage(language);
    surface.SetLanguage(language);
  }
  void PressDown() { PressArrow(1); }
  void PressUp() { PressArrow(-1); }
  // The same files dropped onto the main window while the next modal window is open,
  // before the user answers it.
  void DropFilesDuringNextModal(std::vector<std::wstring> paths) { answers.DropDuringNextModal(std::move(paths)); }

  // --- Answers to the next modal windows, in order ---------------------------------
  void AnswerMessage(MsgBoxAnswer answer) { answers.Message(answer); }
  void AnswerMessage(const std::wstring& expectedPrompt, MsgBoxAnswer answer) { answers.Message(answer, expectedPrompt); }
  void AnswerInputBox(std::vector<InputBoxStep> steps) { answers.InputBox(std::move(steps)); }
  void AnswerChooser(std::optional<Color> chosen) { answers.Chooser(chosen); }
  void AnswerFileDialog(std::optional<std::wstring> path) { answers.FileDialog(std::move(path)); }
  int PendingAnswers() const { return answers.Pending(); }

  // --- What was shown, by kind --------------------------------------------------------
  const std::vector<ShownModal>& Messages() const { return answers.Shown(ShownModal::Message); }
  const std::vector<ShownModal>& InputBoxes() const { return answers.Shown(ShownModal::InputBox); }
  const std::vector<ShownModal>& Choosers() const { return answers.Shown(ShownModal::Chooser); }
  const std::vector<ShownModal>& FileDialogs() const { return answers.Shown(ShownModal::FileDialog); }
  RecordingSurface& Surface() { return surface; }
};
