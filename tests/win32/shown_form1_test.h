#pragma once
// A shown Form1Window whose events are recorded, with everything queued handled.
#include <gtest/gtest.h>

#include "recording_events.h"
#include "ui/win32/form1_window.h"
#include "window_test_support.h"

class ShownForm1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window.Handle(), nullptr);
    window.AttachEvents(events);
    window.ShowCentred();
    PumpMessages(window.Handle());
  }

  RecordingEvents events;
  Form1Window window;
};
