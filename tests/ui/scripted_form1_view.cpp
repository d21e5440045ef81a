#include "tests/ui/scripted_form1_view.h"

#include <gtest/gtest.h>


namespace {

const char* KindName(ShownModal::Kind kind) {
  switch (kind) {
    case ShownModal::Message: return "message box";
    case ShownModal::InputBox: return "input box";
    case ShownModal::Chooser: return "colour chooser";
    case ShownModal::FileDialog: return "file dialog";
  }
  return "modal window";
}

}  // namespace

ScriptedAnswers::~ScriptedAnswers() {
  for (const Answer& answer : script_) ADD_FAILURE() << "a scripted " << KindName(answer.kind) << " was never shown";
}

void ScriptedAnswers::Message(MsgBoxAnswer answer, std::optional<std::wstring> expectedPrompt) {
  script_.push_back({ShownModal::Message, answer, std::move(expectedPrompt), {}, {}, {}});
}

void ScriptedAnswers::InputBox(std::vector<InputBoxStep> steps) {
  script_.push_back({ShownModal::InputBox, {}, std::nullopt, std::move(steps), {}, {}});
}

void ScriptedAnswers::Chooser(std::optional<Color> chosen) {
  script_.push_back({ShownModal::Chooser, {}, std::nullopt, {}, chosen, {}});
}

void ScriptedAnswers::FileDialog(std::optional<std::wstring> path) {
  script_.push_back({ShownModal::FileDialog, {}, std::nullopt, {}, {}, std::move(path)});
}

std::optional<ScriptedAnswers::Answer> ScriptedAnswers::Next(const ShownModal& shown, const std::wstring& what) {
  const ShownModal::Kind kind = shown.kind;
  shown_[kind].push_back(shown);
  if (script_.empty() || script_.front().kind != kind) {
    ADD_FAILURE() << "unscripted " << KindName(kind) << ": " << what
                  << (script_.empty() ? std::string() : std::string(" (next scripted: ") + KindName(script_.front().kind) + ")");
    return std::nullopt;
  }
  Answer answer = std::move(script_.front());
  script_.pop_front();
  return answer;
}

MsgBoxAnswer ScriptedAnswers::AnswerMessage(const ShownModal& shown) {
  const std::optional<Answer> answer = Next(shown, shown.prompt);
  if (!answer) return MsgBoxAnswer::Cancel;
  if (answer->expectedPrompt && *answer->expectedPrompt != shown.prompt) {
    ADD_FAILURE() << "message box shows \"" << shown.prompt << "\", expected \"" << *answer->expectedPrompt << "\"";
  }
  return answer->message;
}

std::vector<InputBoxStep> ScriptedAnswers::AnswerInputBox(const ShownModal& shown) {
  const std::optional<Answer> answer = Next(shown, shown.caption);
  // Unscripted, the dialog is closed with its close box.
  return answer ? answer->steps : std::vector<InputBoxStep>{CloseBox()};
}

std::optional<Color> ScriptedAnswers::AnswerChooser(const ShownModal& shown) {
  const std::optional<Answer> answer = Next(shown, L"colour chooser");
  return answer ? answer->color : std::nullopt;
}

std::optional<std::wstring> ScriptedAnswers::AnswerFileDialog(const ShownModal& shown) {
  const std::optional<Answer> answer =
      Next(shown, shown.fileKind == FileDialogKind::Open ? L"open dialog" : L"save dialog");
  return answer ? answer->file : std::nullopt;
}

std::vector<std::wstring> ScriptedAnswers::DroppedDuring(const ShownModal& /*shown*/) {
  std::vector<std::wstring> paths;
  paths.swap(dropDuringModal_);
  return paths;
}

void ScriptedAnswers::InputBoxLeftOpen() { ADD_FAILURE() << "the scripted steps left the input box open"; }

void ScriptedAnswers::Fault(const std::string& what) { ADD_FAILURE() << what; }

void ScriptedAnswers::CannotAct(const std::string& what) { ADD_FAILURE() << what; }

