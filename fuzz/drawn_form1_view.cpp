#include "fuzz/drawn_form1_view.h"

#include <algorithm>

#include "platform/files.h"

namespace {

// What a user might type into the input box: letters, Japanese, the characters the
// theme file gives a meaning to, one the code page cannot hold.
constexpr std::wstring_view kNameKeys = L"aZ 0歌ｱ[]=?\\é";

}  // namespace

DrawnAnswers::DrawnAnswers(FuzzInput& in, std::vector<std::wstring> savePaths, std::vector<std::wstring> alsoOpened,
                           bool asAUser)
    : in_(in), savePaths_(std::move(savePaths)), alsoOpened_(std::move(alsoOpened)), asAUser_(asAUser) {}

MsgBoxAnswer DrawnAnswers::AnswerMessage(const ShownModal& shown) {
  const std::vector<MsgBoxAnswer> buttons = ButtonsOf(shown.style);
  if (buttons.empty()) FuzzFailure("a message box with buttons the toolkit does not know");
  return buttons[static_cast<std::size_t>(in_.Below(static_cast<int>(buttons.size())))];
}

std::vector<InputBoxStep> DrawnAnswers::AnswerInputBox(const ShownModal& /*shown*/) {
  // Up to four steps; OK, Cancel and the close box each end the dialog. A user who did
  // nothing decisive closes it with the close box.
  std::vector<InputBoxStep> steps;
  while (steps.size() < 4) {
    switch (in_.Below(5)) {
      case 0: steps.push_back(TypeInput(in_.Text(kNameKeys, 4))); break;
      case 1: steps.push_back(ClearInput()); break;
      case 2: steps.push_back(ClickOk()); return steps;
      case 3: steps.push_back(ClickCancel()); return steps;
      default: steps.push_back(CloseBox()); return steps;
    }
  }
  return steps;
}

std::optional<Color> DrawnAnswers::AnswerChooser(const ShownModal& shown) {
  switch (in_.Below(4)) {
    case 0: return std::nullopt;
    case 1: return shown.initial;
    case 2: return static_cast<Color>(in_.U32() & 0xFFFFFF);
    default:
      // A value from elsewhere may carry a top byte; the system's chooser never does.
      return static_cast<Color>(asAUser_ ? in_.U32() & 0xFFFFFF : in_.U32());
  }
}

std::optional<std::wstring> DrawnAnswers::AnswerFileDialog(const ShownModal& shown) {
  std::vector<std::wstring> offered = savePaths_;
  if (shown.fileKind == FileDialogKind::Open) {
    offered.insert(offered.end(), alsoOpened_.begin(), alsoOpened_.end());
    // The open dialog takes only a file that exists.
    std::erase_if(offered, [](const std::wstring& path) { return !platform::PlainFileExists(path); });
  }
  const int choice = in_.Below(static_cast<int>(offered.size()) + 1);
  if (choice == 0) return std::nullopt;
  return offered[static_cast<std::size_t>(choice - 1)];
}

std::vector<std::wstring> DrawnAnswers::DroppedDuring(const ShownModal& /*shown*/) {
  // Now and then, one or two files while the window waits for an answer.
  // An input that has run out drops nothing: it must end.
  if (droppable_.empty() || in_.Empty() || in_.Below(8) != 0) return {};
  std::vector<std::wstring> dropped;
  const int count = 1 + in_.Below(2);
  for (int i = 0; i < count; ++i) dropped.push_back(droppable_[static_cast<std::size_t>(in_.Below(static_cast<int>(droppable_.size())))]);
  ++drops_;
  return dropped;
}

void DrawnAnswers::Fault(const std::string& what) { FuzzFailure(what.c_str()); }
