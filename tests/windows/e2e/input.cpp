#include "tests/windows/e2e/input.h"

#include <cstring>
#include <vector>

#include "tests/windows/e2e/run.h"

namespace lumetra::e2e {
namespace {

// Keys on the extended part of the keyboard need the flag, or Wine maps them
// to their number-pad twins (End becomes 1 with Num Lock on).
bool is_extended(WORD vk) {
  switch (vk) {
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    default:
      return false;
  }
}

INPUT key_input(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (is_extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT mouse_input(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

void send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // A short gap lets the program take each burst in turn, as from a person.
  pause(30);
}

// Opens the clipboard for one scope; another process may hold it briefly.
class OpenedClipboard {
 public:
  OpenedClipboard() {
    for (int attempt = 0; attempt < 50 && !open_; ++attempt) {
      open_ = OpenClipboard(nullptr);
      if (!open_) pause(20);
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

LRESULT CALLBACK driver_window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcA(window, message, w, l);
}

}  // namespace

void press(WORD vk) { send({key_input(vk, false), key_input(vk, true)}); }

void chord(std::initializer_list<WORD> modifiers, WORD vk) {
  std::vector<INPUT> inputs;
  for (WORD m : modifiers) inputs.push_back(key_input(m, false));
  inputs.push_back(key_input(vk, false));
  inputs.push_back(key_input(vk, true));
  for (auto m = modifiers.end(); m != modifiers.begin();) inputs.push_back(key_input(*--m, true));
  send(inputs);
}

void type_text(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = static_cast<WORD>(c);
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    send({down, up});
  }
}

void move_pointer(POINT screen) {
  // A relative move or SetCursorPos alone is not enough under Wine: the
  // server may still hold the old position when the button event comes, and
  // the click lands where the pointer was before. An absolute move puts the
  // position into the input stream itself.
  SetCursorPos(screen.x, screen.y);
  INPUT move = mouse_input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  move.mi.dx = MulDiv(screen.x, 65535, width - 1);
  move.mi.dy = MulDiv(screen.y, 65535, height - 1);
  send({move});
  wait_until(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      1000);
}

void click_screen(POINT screen) {
  move_pointer(screen);
  send({mouse_input(MOUSEEVENTF_LEFTDOWN)});
  send({mouse_input(MOUSEEVENTF_LEFTUP)});
}

void click_client(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  click_screen(point);
}

void click_centre(HWND control) {
  RECT area;
  GetClientRect(control, &area);
  click_client(control, area.right / 2, area.bottom / 2);
}

void drag_screen(POINT from, POINT to) {
  move_pointer(from);
  send({mouse_input(MOUSEEVENTF_LEFTDOWN)});
  move_pointer(to);
  send({mouse_input(MOUSEEVENTF_LEFTUP)});
}

bool set_clipboard_text(std::string_view bytes) {
  OpenedClipboard clipboard;
  if (!clipboard || !EmptyClipboard()) return false;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  if (!memory) return false;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, bytes.data(), bytes.size());
    static_cast<char*>(target)[bytes.size()] = '\0';
    GlobalUnlock(memory);
  }
  // On success the clipboard owns the memory; only a refused handover leaves it with us.
  if (!SetClipboardData(CF_TEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

std::optional<std::string> clipboard_text() {
  OpenedClipboard clipboard;
  if (!clipboard) return std::nullopt;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return std::nullopt;
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!text) return std::nullopt;
  std::string copy(text);
  GlobalUnlock(data);
  return copy;
}

bool empty_clipboard() {
  OpenedClipboard clipboard;
  return clipboard && EmptyClipboard();
}

DriverWindow::DriverWindow() {
  static const char* class_name = "LumetraE2eDriver";
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = driver_window_procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = class_name;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&window_class);  // fails harmlessly when already registered
  window_ = CreateWindowExA(0, class_name, "e2e driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                            200, 120, nullptr, nullptr, window_class.hInstance, nullptr);
  pause(50);
}

DriverWindow::~DriverWindow() {
  if (window_) DestroyWindow(window_);
  pause(50);
}

}  // namespace lumetra::e2e
