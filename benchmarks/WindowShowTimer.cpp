// Starts a program again and again and prints how long it takes, from the start of the
// process to its first top-level window larger than 1 x 1 being mapped (Wine maps a
// program's zero-size application window as 1 x 1, and windows whose frames it draws itself
// as override-redirect windows), as a median over the runs.
// Usage: window_show_timer RUNS PROGRAM [FOLDER]
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_show_timer RUNS PROGRAM [FOLDER]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_show_timer: no X display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, True);

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      if (argc > 3 && chdir(argv[3]) != 0) {
        _exit(127);
      }
      execl(argv[2], argv[2], static_cast<char*>(nullptr));
      _exit(127);
    }
    for (;;) {
      XEvent event;
      XNextEvent(display, &event);
      XWindowAttributes attributes{};
      if (event.type == MapNotify &&
          XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 &&
          attributes.width > 1 && attributes.height > 1) {
        break;
      }
    }
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XSync(display, True); // drop the unmap and destroy events of this run
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f\n", times[times.size() / 2]);
  XCloseDisplay(display);
  return 0;
}
