// A helper for the end-to-end test under Wine, run in the same Wine prefix as the program:
//   window_text TITLE             the text of the top-level window with that title
//   window_text TITLE CLASS       the first non-empty text of a child window of that class
//   window_text --client TITLE [CLASS TEXT]
//                                 "left top width height" of its client area on the screen,
//                                 or of its child of that class with that text
// Text is written as the window holds it (WM_GETTEXT through the ANSI API), CR LF and all.
// Exit code 1 when there is no such window.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  std::string className;
  std::string text;
  std::string wanted; // a child with exactly this text, if not empty
  HWND found = nullptr;
};

BOOL CALLBACK FindText(HWND child, LPARAM found) {
  auto* search = reinterpret_cast<Search*>(found);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, search->className.c_str()) != 0) {
    return TRUE;
  }
  const auto length = static_cast<int>(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  if (text.empty() || (!search->wanted.empty() && text != search->wanted)) {
    return TRUE;
  }
  search->text = text;
  search->found = child;
  return FALSE;
}

} // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const bool client = argc >= 3 && std::string(argv[1]) == "--client";
  if (argc < 2 || argc > (client ? 5 : 3) || (client && argc == 4)) {
    std::fputs("usage: window_text TITLE [CLASS] | --client TITLE [CLASS TEXT]\n", stderr);
    return 2;
  }
  HWND window = FindWindowA(nullptr, client ? argv[2] : argv[1]);
  if (window == nullptr || !IsWindowVisible(window)) {
    return 1;
  }
  if (client && argc == 5) {
    Search search{argv[3], {}, argv[4], nullptr};
    EnumChildWindows(window, &FindText, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
      return 1;
    }
    window = search.found;
  }
  if (client) {
    RECT area;
    GetClientRect(window, &area);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, area.right, area.bottom);
    return 0;
  }
  if (argc == 2) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    std::fputs(text, stdout);
    return 0;
  }
  Search search{argv[2], {}, {}, nullptr};
  EnumChildWindows(window, &FindText, reinterpret_cast<LPARAM>(&search));
  std::fwrite(search.text.data(), 1, search.text.size(), stdout);
  return 0;
}
