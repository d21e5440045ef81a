// Another Wine program busy beside the tests, as on a shared CI machine: one thread
// keeps a core busy, one keeps the shared Wine server answering requests (events,
// window queries, message peeks). Runs until it is ended; scripts/stress starts it.
#include <windows.h>

namespace {

DWORD WINAPI Spin(LPVOID) {
  volatile unsigned long long turns = 0;
  for (;;) turns = turns + 1;
}

DWORD WINAPI AskTheServer(LPVOID) {
  for (;;) {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    SetEvent(event);
    WaitForSingleObject(event, 0);
    CloseHandle(event);
    GetForegroundWindow();
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HANDLE threads[] = {CreateThread(nullptr, 0, Spin, nullptr, 0, nullptr),
                      CreateThread(nullptr, 0, AskTheServer, nullptr, 0, nullptr)};
  WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  return 0;
}
