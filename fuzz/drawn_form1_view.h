#pragma once
// The simulated toolkit with a random user's answers: every message box, input box,
// file dialog and colour chooser the logic opens is answered with a choice drawn from
// the input, so questions added to the logic later are answered too. The fuzz target
// and the soak's shadow use it.
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "tests/support/simulated_form1.h"

class DrawnAnswers : public ModalAnswers {
 public:
  // The save dialog offers `savePaths`; the open dialog those of them that exist, and
  // `alsoOpened` (which the run does not want overwritten). `asAUser`: only answers a
  // real dialog can give (the chooser gives no top byte).
  DrawnAnswers(FuzzInput& in, std::vector<std::wstring> savePaths, std::vector<std::wstring> alsoOpened, bool asAUser);
  // Files the user may drop onto the window while a modal window is open; none unless
  // given.
  void DropWhileModal(std::vector<std::wstring> paths) { droppable_ = std::move(paths); }
  // How many times files were dropped while a modal window was open.
  int DropsMade() const { return drops_; }

  MsgBoxAnswer AnswerMessage(const ShownModal& shown) override;
  std::vector<InputBoxStep> AnswerInputBox(const ShownModal& shown) override;
  std::optional<Color> AnswerChooser(const ShownModal& shown) override;
  std::optional<std::wstring> AnswerFileDialog(const ShownModal& shown) override;
  std::vector<std::wstring> DroppedDuring(const ShownModal& shown) override;
  void Fault(const std::string& what) override;
  // A random user simply does not do what cannot be done.
  void CannotAct(const std::string& /*what*/) override {}

 private:
  FuzzInput& in_;
  std::vector<std::wstring> savePaths_;
  std::vector<std::wstring> alsoOpened_;
  bool asAUser_;
  std::vector<std::wstring> droppable_;
  int drops_ = 0;
};

// The answers, made before the simulated window that uses them.
struct DrawnParts {
  DrawnAnswers answers;
  NullSurface surface;
};

class DrawnForm1View : private DrawnParts, public SimulatedForm1 {
 public:
  DrawnForm1View(FuzzInput& in, std::vector<std::wstring> savePaths, std::vector<std::wstring> alsoOpened,
                 bool asAUser = false)
      : DrawnParts{DrawnAnswers(in, std::move(savePaths), std::move(alsoOpened), asAUser), {}},
        SimulatedForm1(answers, surface) {}

  void DropWhileModal(std::vector<std::wstring> paths) { answers.DropWhileModal(std::move(paths)); }
  int DropsMade() const { return answers.DropsMade(); }
  // Every modal window shown since the last ForgetModals, in order.
  std::vector<ShownModal> Modals() const {
    return std::vector<ShownModal>(Shown().begin() + static_cast<std::ptrdiff_t>(forgotten_), Shown().end());
  }
  void ForgetModals() { forgotten_ = Shown().size(); }

 private:
  std::size_t forgotten_ = 0;
};
