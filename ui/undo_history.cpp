#include "ui/undo_history.h"

#include <utility>

void UndoHistory::Push(UndoStep step) {
  redo_.clear();
  titleTypingOpen_ = step.titleTyping;
  undo_.push_back(std::move(step));
  if (undo_.size() > kStepsKept) undo_.pop_front();
}

UndoStep& UndoHistory::Undo() {
  titleTypingOpen_ = false;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  return redo_.back();
}

UndoStep& UndoHistory::Redo() {
  titleTypingOpen_ = false;
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  return undo_.back();
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  titleTypingOpen_ = false;
}
