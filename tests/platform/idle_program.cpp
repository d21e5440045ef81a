// A program that only waits until it is ended: the tests start copies of it to play
// the host editor running from a folder.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Sleep(INFINITE);
  return 0;
}
