// Drives the running program from outside, by control ids, under Wine:
//   tumblen_drive wait           waits up to 60 s for the visible main window
//   tumblen_drive click ID...    clicks main-window buttons, one by one
//   tumblen_drive menu ID        sends a menu command to the main window
//   tumblen_drive close          closes the About dialog and the Mass Setting window
//   tumblen_drive soak SECONDS   random clicks and menu commands for that long
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "main_window_logic.h"

namespace {

HWND Find_Main_Window() { return FindWindowA("Ws_OwnerWnd", nullptr); }

int Fail(const char* why, const char* what = "") {
  std::fprintf(stderr, "tumblen_drive: %s%s\n", why, what);
  return 1;
}

// As a person clicks: a disabled button takes no click. The timeout keeps a
// hung program from hanging the driver too.
bool Click(HWND parent, int id) {
  HWND button = GetDlgItem(parent, id);
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr);
  Sleep(100);
  return true;
}

void Menu(HWND main, int id) {
  PostMessageA(main, WM_COMMAND, id, 0);
  Sleep(200);  // long enough for the About dialog to open and disable the main window
}

// Closes the About dialog, else the Mass Setting window (with 設定); false if
// neither is showing.
bool Close_Dialog() {
  HWND about = FindWindowW(nullptr, L"バージョン情報");
  if (about != nullptr) return Click(about, IDOK);
  HWND mass = FindWindowA("PopupWnd", nullptr);
  return mass != nullptr && IsWindowVisible(mass) && Click(mass, mass_control::set_button);
}

void Close_Dialogs() {
  for (int i = 0; i < 10 && Close_Dialog(); ++i) {
  }
}

int Soak(int seconds) {
  std::srand(GetTickCount());
  int actions = 0;
  for (const DWORD start = GetTickCount();; ++actions) {
    HWND main = Find_Main_Window();
    if (main == nullptr) return Fail("the main window is gone");
    const int dice = std::rand() % 10;
    if (GetTickCount() - start >= static_cast<DWORD>(seconds) * 1000) {
      // Leave it as the run command set it up: a fresh path of the target
      // among 200 particles at the starting temperature, running.
      Close_Dialogs();
      Click(main, command::trace_stop);
      Menu(main, command::menu_particles_200);
      Menu(main, command::menu_temperature_20);
      Click(main, command::target_on);
      Click(main, command::trace_start);
      Click(main, command::start);
      std::printf("soak: %d random actions\n", actions);
      return 0;
    }
    // Buttons other than 終了, and menu commands; a modal About dialog is
    // closed first, the Mass Setting window only sometimes.
    if (!IsWindowEnabled(main) || dice < 2) {
      Close_Dialog();
    } else if (dice < 7) {
      const int id = command::start + std::rand() % (command::boundary - command::start + 1);
      if (id != command::exit) Click(main, id);
    } else {
      Menu(main, command::menu_mass_ratio + std::rand() % 6);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* verb = argc > 1 ? argv[1] : "";
  if (std::strcmp(verb, "wait") == 0) {
    for (int i = 0; i < 600; ++i, Sleep(100)) {
      if (Find_Main_Window() != nullptr && IsWindowVisible(Find_Main_Window())) return 0;
    }
    return Fail("the main window did not open within 60 s");
  }
  HWND main = Find_Main_Window();
  if (main == nullptr) return Fail("no main window");
  if (std::strcmp(verb, "click") == 0 && argc > 2) {
    for (int i = 2; i < argc; ++i) {
      if (!Click(main, std::atoi(argv[i]))) return Fail("no enabled button with id ", argv[i]);
    }
    return 0;
  }
  if (std::strcmp(verb, "menu") == 0 && argc == 3) return PostMessageA(main, WM_COMMAND, std::atoi(argv[2]), 0) ? 0 : 1;
  if (std::strcmp(verb, "close") == 0 && argc == 2) {
    Close_Dialogs();
    return 0;
  }
  if (std::strcmp(verb, "soak") == 0 && argc == 3) return Soak(std::atoi(argv[2]));
  return Fail("usage: tumblen_drive wait | click ID... | menu ID | close | soak SECONDS");
}
