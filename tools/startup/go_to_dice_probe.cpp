// Taps GO in the game's window on this display, as the X server's own pointer would (XTest),
// and times each tap to the first picture of the window that changes a die, and to the first
// repaint of GO itself (its pressed look, gone again by the time it could be read back), the
// baseline of the same tap. The roll waits for the board's next 50 ms tick,
// as on the handheld. After every third roll it takes an offer, so that GO always rolls.
//   go_to_dice_probe ROLLS
// The game must show its board, fresh, at the fast dice speed, in the one window on the
// display. Prints the median and worst of both, in milliseconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kScreenWidth = 240;
constexpr double kGiveUpMs = 5000;
constexpr useconds_t kPauseUs = 300000;

// On the handheld's screen, left, top, right, bottom: the five dice's column and nothing
// else, and the GO picture just below it.
struct Region {
  int left, top, right, bottom;
};
constexpr Region kDice{195, 52, 230, 244};
constexpr Region kGo{189, 247, 237, 284};
constexpr int kGoX = 211, kGoY = 266;
// The left column of categories, top first: one is taken after every third roll.
constexpr int kCellX = 72;
constexpr int kCellY[] = {70, 96, 122, 148, 174, 200, 226};

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct GameWindow {
  Window window;
  int x, y;   // on the root window
  int scale;  // window pixels per screen pixel
};

// The largest mapped top-level window; without a window manager, the game's own.
std::optional<GameWindow> FindGameWindow(Display* display) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return std::nullopt;
  std::optional<GameWindow> found;
  int largest = 0;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    if (attributes.width * attributes.height <= largest) continue;
    largest = attributes.width * attributes.height;
    found = GameWindow{children[i], attributes.x, attributes.y, attributes.width / kScreenWidth};
  }
  XFree(children);
  if (found && found->scale < 1) return std::nullopt;
  return found;
}

std::string Pixels(Display* display, const GameWindow& game, const Region& region) {
  const int s = game.scale;
  XImage* image = XGetImage(display, game.window, region.left * s, region.top * s,
                            static_cast<unsigned>((region.right - region.left) * s),
                            static_cast<unsigned>((region.bottom - region.top) * s), AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::string bytes(image->data,
                    static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(image->height));
  XDestroyImage(image);
  return bytes;
}

bool Overlaps(const XRectangle& area, const GameWindow& game, const Region& region) {
  const int s = game.scale;
  return area.x < region.right * s && area.x + area.width > region.left * s && area.y < region.bottom * s &&
         area.y + area.height > region.top * s;
}

void Tap(Display* display, const GameWindow& game, int x, int y) {
  XTestFakeMotionEvent(display, -1, game.x + x * game.scale + game.scale / 2, game.y + y * game.scale + game.scale / 2,
                       CurrentTime);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XFlush(display);
}

// Taps GO and returns the milliseconds to GO's first repaint and to the dice's first change,
// or nothing when either did not come in time.
std::optional<std::pair<double, double>> TimeRoll(Display* display, const GameWindow& game, int damageEvent) {
  const std::string diceBefore = Pixels(display, game, kDice);
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent stale;
    XNextEvent(display, &stale);
  }
  const double tapped = NowMs();
  Tap(display, game, kGoX, kGoY);
  std::optional<double> go, dice;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while ((!go || !dice) && NowMs() - tapped < kGiveUpMs) {
    if (XPending(display) == 0) {
      poll(&connection, 1, 10);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != damageEvent + XDamageNotify) continue;
    const double at = NowMs() - tapped;
    const XRectangle& area = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
    if (!go && Overlaps(area, game, kGo)) go = at;
    if (!dice && Overlaps(area, game, kDice) && Pixels(display, game, kDice) != diceBefore) dice = at;
  }
  if (!go || !dice) return std::nullopt;
  return std::make_pair(*go, *dice);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rolls = argc == 2 ? std::atoi(argv[1]) : 0;
  if (rolls < 1 || rolls > 3 * static_cast<int>(std::size(kCellY))) {
    std::fprintf(stderr, "usage: go_to_dice_probe ROLLS (1 to %zu)\n", 3 * std::size(kCellY));
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0, damageError = 0, xtest = 0, major = 0, minor = 0;
  if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
      !XTestQueryExtension(display, &xtest, &xtest, &major, &minor)) {
    std::fprintf(stderr, "go_to_dice_probe: no display with the DAMAGE and XTEST extensions\n");
    return 1;
  }
  const std::optional<GameWindow> game = FindGameWindow(display);
  if (!game) {
    std::fprintf(stderr, "go_to_dice_probe: no game window on the display\n");
    return 1;
  }
  XDamageCreate(display, game->window, XDamageReportRawRectangles);

  std::vector<double> goTimes, diceTimes;
  for (int i = 0; i < rolls; ++i) {
    usleep(kPauseUs);
    const std::optional<std::pair<double, double>> times = TimeRoll(display, *game, damageEvent);
    if (!times) {
      std::fprintf(stderr, "go_to_dice_probe: roll %d showed no new dice within %.0f s\n", i + 1, kGiveUpMs / 1000);
      return 1;
    }
    goTimes.push_back(times->first);
    diceTimes.push_back(times->second);
    if (i % 3 == 2) {
      usleep(kPauseUs);
      Tap(display, *game, kCellX, kCellY[i / 3]);
    }
  }
  std::printf("%.1f %.1f %.1f %.1f\n", Median(diceTimes), *std::max_element(diceTimes.begin(), diceTimes.end()),
              Median(goTimes), *std::max_element(goTimes.begin(), goTimes.end()));
  XCloseDisplay(display);
  return 0;
}
