#include "platform/sdl/sdl_backend.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <thread>
#include <vector>

#include "platform/core/resources.h"
#include "platform/sdl/help_viewer.h"
#include "platform/sdl/sound_player.h"
#include "resources/program_resources.h"
#include "support/virtual_display.h"

namespace {

constexpr SIZE kScreen{240, 320};

std::unique_ptr<SdlBackend> Create(std::string& error) {
  return SdlBackend::Create(DesktopWindowLook{"Tumbla", nullptr, kScreen}, error);
}

void Push(SDL_Event event) {
  event.common.timestamp = SDL_GetTicks();
  ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

Uint32 WindowId(SDL_Window* window) { return SDL_GetWindowID(window); }

void PushMouseButton(SDL_Window* window, Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
  Push(SDL_Event{.button = {type, 0, WindowId(window), 0, button, 0, 0, 0, x, y}});
}
void PushKey(SDL_Window* window, SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
  Push(SDL_Event{.key = {SDL_KEYDOWN, 0, WindowId(window), 0, 0, 0, 0, {SDL_SCANCODE_UNKNOWN, key, modifiers, 0}}});
}

// SDL's dummy drivers: a window and a sound device that exist only in memory.
class SdlBackendTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string error;
    m_backend = Create(error);
    ASSERT_NE(m_backend, nullptr) << error;
    Drain();
  }

  // Takes what the window's creation queued, so that each test sees only its own events.
  void Drain() {
    while (m_backend->WaitForEvent(m_backend->NowMs(), WaitReason::Idle)) {
    }
  }

  std::optional<InputEvent> Next() { return m_backend->WaitForEvent(m_backend->NowMs() + 50, WaitReason::Idle); }

  // The next event, which must be of the kind.
  InputEvent NextOf(InputEvent::Kind kind) {
    const std::optional<InputEvent> event = Next();
    EXPECT_TRUE(event.has_value());
    if (!event) return InputEvent{};
    EXPECT_EQ(event->kind, kind);
    return *event;
  }

  void PushMouseButton(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    ::PushMouseButton(m_backend->Window(), type, x, y, button);
  }
  void PushMotion(int x, int y) {
    Push(SDL_Event{.motion = {SDL_MOUSEMOTION, 0, WindowId(m_backend->Window()), 0, SDL_BUTTON_LMASK, x, y, 0, 0}});
  }
  void PushKey(SDL_Keycode key, Uint16 modifiers = KMOD_NONE) { ::PushKey(m_backend->Window(), key, modifiers); }

  // The backend repaints from the frame it was last given, so the frame outlives each test's steps.
  void Present() { m_backend->Present(FrameView{240, 320, m_screen.data()}); }

  std::uint32_t WindowPixel(int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(m_backend->Window());
    const auto* row = static_cast<const unsigned char*>(surface->pixels) + y * surface->pitch;
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, row + x * 4, 4);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return RGB(r, g, b);
  }

  std::unique_ptr<SdlBackend> m_backend;
  std::vector<COLORREF> m_screen = std::vector<COLORREF>(240 * 320, RGB(0, 153, 51));
};

std::string ReasonForNoWindow() {
  std::string error;
  EXPECT_EQ(Create(error), nullptr);
  return error;
}

TEST(SdlBackendWithoutDisplay, GivesAOneLineReasonInsteadOfAWindow) {
  setenv("SDL_VIDEODRIVER", "nowhere", 1);
  const std::string error = ReasonForNoWindow();
  EXPECT_EQ(error.rfind("Tumbla ", 0), 0u) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

TEST(SdlBackendWithoutDisplay, ADisplayThatDoesNotAnswerGivesNoInvisibleWindow) {
  unsetenv("SDL_VIDEODRIVER");
  setenv("DISPLAY", ":4711", 1);
  unsetenv("WAYLAND_DISPLAY");
  EXPECT_NE(ReasonForNoWindow().find("graphical desktop"), std::string::npos);
}

TEST(SdlBackendWithoutDisplay, NoDisplayAtAllIsToldAsSuch) {
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  EXPECT_EQ(ReasonForNoWindow(),
            "Tumbla needs a graphical desktop, and none could be reached: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

// The bus setting is only hidden from SDL while it starts; what the desktop set, or left
// unset, is what the help viewer started later sees.
TEST(SdlBackendSessionBus, TheDesktopsSettingIsLeftAsItWas) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("XDG_RUNTIME_DIR", std::filesystem::temp_directory_path().c_str(), 1);
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  std::string error;
  std::unique_ptr<SdlBackend> backend = Create(error);
  ASSERT_NE(backend, nullptr) << error;
  EXPECT_EQ(getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr);
  backend.reset();

  setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
  backend = Create(error);
  ASSERT_NE(backend, nullptr) << error;
  EXPECT_STREQ(getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/nonexistent/bus");
  backend.reset();
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST_F(SdlBackendTest, TheWindowShowsTheScreenAtTheStartingScaleAndFollowsEachChange) {
  // The dummy desktop is 1024 by 768: twice the screen fits, three times does not.
  EXPECT_EQ(m_backend->Layout().scale, 2);
  m_screen[10 * 240 + 20] = RGB(255, 255, 255);
  Present();
  EXPECT_EQ(WindowPixel(40, 20), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(41, 21), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(42, 20), RGB(0, 153, 51));

  m_screen[10 * 240 + 20] = RGB(255, 0, 0);
  m_screen[319 * 240 + 239] = RGB(0, 0, 255);
  Present();
  EXPECT_EQ(WindowPixel(41, 21), RGB(255, 0, 0));
  EXPECT_EQ(WindowPixel(479, 639), RGB(0, 0, 255));
}

TEST_F(SdlBackendTest, AResizedWindowIsRepaintedCentredWithBlackBorders) {
  Present();
  SDL_SetWindowSize(m_backend->Window(), 1000, 700);
  Drain();
  EXPECT_EQ(m_backend->Layout(), (ScreenLayout{2, 260, 30, 240, 320}));
  EXPECT_EQ(WindowPixel(259, 300), RGB(0, 0, 0));
  EXPECT_EQ(WindowPixel(260, 30), RGB(0, 153, 51));
  EXPECT_EQ(WindowPixel(739, 669), RGB(0, 153, 51));
  EXPECT_EQ(WindowPixel(740, 669), RGB(0, 0, 0));
  EXPECT_EQ(WindowPixel(500, 29), RGB(0, 0, 0));
}

// The back end on an X server of the test's own, with sound on SDL's dummy driver.
struct SdlBackendOnX {
  void Start() {
    ASSERT_TRUE(display.Running()) << display.Why();
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("WAYLAND_DISPLAY");
    setenv("DISPLAY", display.Name().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string error;
    backend = Create(error);
    ASSERT_NE(backend, nullptr) << error;
  }

  VirtualDisplay display;
  std::unique_ptr<SdlBackend> backend;
};

// A bare X server grants no full-screen request, though SDL's sizes then say it did: the
// picture must stay where the window really is, and the pen with it.
TEST(SdlBackendOnXTest, FullScreenNotGrantedKeepsTheScreenWholeAndWhereThePenLands) {
  SdlBackendOnX x;
  ASSERT_NO_FATAL_FAILURE(x.Start());
  SdlBackend* backend = x.backend.get();
  const std::vector<COLORREF> screen(240 * 320, RGB(0, 153, 51));
  backend->Present(FrameView{240, 320, screen.data()});
  const ScreenLayout windowed = backend->Layout();
  PushKey(backend->Window(), SDLK_F11);
  while (backend->WaitForEvent(backend->NowMs() + 300, WaitReason::Idle)) {
  }
  backend->Present(FrameView{240, 320, screen.data()});
  EXPECT_EQ(backend->Layout(), windowed);
  PushMouseButton(backend->Window(), SDL_MOUSEBUTTONDOWN, windowed.offsetX + 120 * windowed.scale,
                  windowed.offsetY + 160 * windowed.scale);
  const std::optional<InputEvent> pen = backend->WaitForEvent(backend->NowMs() + 300, WaitReason::Idle);
  ASSERT_TRUE(pen.has_value());
  EXPECT_EQ(pen->kind, InputEvent::Kind::PenDown);
  EXPECT_EQ(pen->point, (POINT{120, 160}));
}

// A termination signal that comes while the program is busy, between two waits, ends the
// next wait at once: SDL alone would only note it, and the wait would sleep on the display.
TEST(SdlBackendOnXTest, ASignalThatCameBeforeTheWaitEndsIt) {
  SdlBackendOnX x;
  ASSERT_NO_FATAL_FAILURE(x.Start());
  SdlBackend* backend = x.backend.get();
  while (backend->WaitForEvent(backend->NowMs() + 300, WaitReason::Idle)) {
  }
  ASSERT_EQ(raise(SIGTERM), 0);
  const std::optional<InputEvent> next = backend->WaitForEvent(backend->NowMs() + 5000, WaitReason::Idle);
  ASSERT_TRUE(next.has_value()) << "the wait slept through the signal";
  EXPECT_EQ(next->kind, InputEvent::Kind::Close);
}

TEST_F(SdlBackendTest, ThePenFollowsTheLeftButtonInScreenPixels) {
  PushMouseButton(SDL_MOUSEBUTTONDOWN, 101, 51);
  PushMotion(600, -5);
  PushMouseButton(SDL_MOUSEBUTTONUP, 600, -5);
  EXPECT_EQ(NextOf(InputEvent::Kind::PenDown).point, (POINT{50, 25}));
  EXPECT_EQ(NextOf(InputEvent::Kind::PenMove).point, (POINT{239, 0}));  // outside the window: held at the edge
  EXPECT_EQ(NextOf(InputEvent::Kind::PenUp).point, (POINT{239, 0}));
}

TEST_F(SdlBackendTest, OtherButtonsAndPressesOnTheBorderAreNoPen) {
  SDL_SetWindowSize(m_backend->Window(), 1000, 700);
  Drain();
  PushMouseButton(SDL_MOUSEBUTTONDOWN, 300, 300, SDL_BUTTON_RIGHT);
  PushMouseButton(SDL_MOUSEBUTTONDOWN, 100, 300);  // left of the screen
  PushMotion(300, 300);
  PushMouseButton(SDL_MOUSEBUTTONUP, 300, 300);
  EXPECT_EQ(NextOf(InputEvent::Kind::Hover).point, (POINT{20, 135})) << "without the pen down the mouse only hovers";
  EXPECT_FALSE(Next());
}

TEST_F(SdlBackendTest, KeysComeAsVirtualKeysAndTypedTextAsUtf16Characters) {
  PushKey(SDLK_q, KMOD_LSHIFT);
  PushKey(SDLK_BACKSPACE);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "é😀", sizeof text.text.text);
  Push(text);

  const InputEvent letter = NextOf(InputEvent::Kind::KeyDown);
  EXPECT_EQ(letter.key, UINT{'Q'});
  EXPECT_EQ(letter.modifiers, MOD_SHIFT_DOWN);
  EXPECT_EQ(NextOf(InputEvent::Kind::KeyDown).key, 0x08u);
  EXPECT_EQ(NextOf(InputEvent::Kind::Character).character, u'\b');

  std::u16string typed;
  while (const auto event = Next()) {
    EXPECT_EQ(event->kind, InputEvent::Kind::Character);
    typed += event->character;
  }
  EXPECT_EQ(typed, u"é😀");
}

TEST_F(SdlBackendTest, F1IsAKeyLikeAnyOtherAndTheCloseButtonIsToldFromASignal) {
  PushKey(SDLK_F1);
  SDL_Event button{};
  button.type = SDL_WINDOWEVENT;
  button.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(button);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  EXPECT_EQ(NextOf(InputEvent::Kind::KeyDown).key, VK_F1);
  NextOf(InputEvent::Kind::CloseButton);
  NextOf(InputEvent::Kind::Close);
}

TEST_F(SdlBackendTest, WaitingEndsAtTheDeadlineAndNotBefore) {
  const std::uint64_t start = m_backend->NowMs();
  EXPECT_FALSE(m_backend->WaitForEvent(start + 30, WaitReason::Idle));
  EXPECT_GE(m_backend->NowMs(), start + 30);
  EXPECT_FALSE(m_backend->WaitForEvent(start, WaitReason::Idle));  // a deadline already passed returns at once
}

TEST_F(SdlBackendTest, ASoundBeforeTheFirstFrameWaitsForItAndOnlyThenOpensTheAudioDevice) {
  InstallProgramResources();
  m_backend->PlayWave(u"WAV_1", FindResourceBytes(ResourceType::Wave, u"WAV_1"));
  m_backend->PlayWave(u"WAV_2", FindResourceBytes(ResourceType::Wave, u"WAV_2"));
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  Present();
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlBackendTest, ANewSoundCutsOffTheOneStillPlayingAndBadSoundsAreSkipped) {
  InstallProgramResources();
  const std::span<const unsigned char> shaken = FindResourceBytes(ResourceType::Wave, u"WAV_1");
  const std::span<const unsigned char> rolling = FindResourceBytes(ResourceType::Wave, u"WAV_2");
  ASSERT_FALSE(shaken.empty());
  SoundPlayer player;
  player.Play(u"WAV_2", rolling);
  const std::size_t rollingAlone = player.QueuedBytes();
  ASSERT_GT(rollingAlone, 0u);
  player.Play(u"WAV_1", shaken);
  const std::size_t shakenAlone = player.QueuedBytes();
  ASSERT_GT(shakenAlone, 0u);
  player.Play(u"WAV_2", rolling);
  // Had the shaking sound stayed queued, most of it would still wait ahead of the rolling one.
  EXPECT_LT(player.QueuedBytes(), rollingAlone + shakenAlone / 2);

  const std::vector<unsigned char> garbage(100, 0x42);
  player.Play(u"BROKEN", garbage);
  player.Play(u"MISSING", {});
  EXPECT_GT(player.QueuedBytes(), 0u);  // the rolling sound plays on
}

// An open device wakes the program for every buffer of silence, so it closes a while after
// the last sound has ended, and the next sound opens it again.
TEST_F(SdlBackendTest, TheSoundDeviceClosesAfterAWhileOfSilenceAndOpensForTheNextSound) {
  InstallProgramResources();
  const std::span<const unsigned char> shortest = FindResourceBytes(ResourceType::Wave, u"WAV_4");
  SoundPlayer player;
  player.Play(u"WAV_4", shortest);
  ASSERT_TRUE(player.IsDeviceOpen());
  const std::optional<std::uint64_t> due = player.CloseDueMs();
  ASSERT_TRUE(due.has_value());
  player.CloseIfDue();
  EXPECT_TRUE(player.IsDeviceOpen());
  while (SDL_GetTicks64() < *due) SDL_Delay(static_cast<Uint32>(*due - SDL_GetTicks64()));
  player.CloseIfDue();
  EXPECT_FALSE(player.IsDeviceOpen());
  EXPECT_EQ(player.CloseDueMs(), std::nullopt);
  player.Play(u"WAV_4", shortest);
  EXPECT_GT(player.QueuedBytes(), 0u);
}

// Stand-in viewers in a folder of their own: "viewer" writes down what it was asked to open
// and succeeds; "xdg-open" says a few lines on both outputs and fails, as xdg-open does where
// no program takes the page.
class HelpViewerTest : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() / ("tumbla_help_" + std::to_string(getpid()));
    std::filesystem::create_directories(m_folder);
    const std::string opened = (m_folder / "opened").string();
    Script("viewer", "echo \"$1\" > \"" + opened + ".part\"\nmv \"" + opened + ".part\" \"" + opened + "\"\n");
    Script("xdg-open", "echo 'no browser found' >&2\necho 'tried www-browser'\nexit 1\n");
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  void Script(const std::string& name, const std::string& body) {
    std::ofstream(m_folder / name) << "#!/bin/sh\n" << body;
    std::filesystem::permissions(m_folder / name, std::filesystem::perms::owner_all);
  }

  std::string Opened() {
    for (int tries = 0; tries < 200 && !std::filesystem::exists(m_folder / "opened"); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string line;
    std::getline(std::ifstream(m_folder / "opened"), line);
    return line;
  }

  // Blocks until a viewer has ended, as the program's wait would wake.
  static void AwaitEnd(const HelpViewers& viewers) {
    pollfd ended{viewers.EndedDescriptor(), POLLIN, 0};
    ASSERT_EQ(poll(&ended, 1, -1), 1);
  }

  // What the viewers printed, with the test's standard output and error sent to a file while
  // one starts.
  std::string OutputOfStart(HelpViewers& viewers, const std::string& program) {
    const std::filesystem::path captured = m_folder / "output";
    const int file = open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedError = dup(STDERR_FILENO);
    dup2(file, STDOUT_FILENO);
    dup2(file, STDERR_FILENO);
    const bool started = viewers.Start(program, "Tumbla.htm");
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedError, STDERR_FILENO);
    close(savedOut);
    close(savedError);
    close(file);
    EXPECT_TRUE(started);
    AwaitEnd(viewers);
    std::stringstream text;
    text << std::ifstream(captured).rdbuf();
    return text.str();
  }

  std::filesystem::path m_folder;
};

TEST_F(HelpViewerTest, StartsTheViewerOnThePageAndCollectsItsSuccessfulEnd) {
  HelpViewers viewers;
  ASSERT_TRUE(viewers.Start((m_folder / "viewer").string(), "/some where/Tumbla.htm"));
  EXPECT_EQ(Opened(), "/some where/Tumbla.htm");
  AwaitEnd(viewers);
  EXPECT_FALSE(viewers.CollectEnded());
  EXPECT_FALSE(viewers.AnyRunning());
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a viewer was left as a zombie";
}

TEST_F(HelpViewerTest, AViewerThatCannotStartIsReportedAsFailure) {
  HelpViewers viewers;
  EXPECT_FALSE(viewers.Start((m_folder / "no such viewer").string(), "Tumbla.htm"));
  EXPECT_FALSE(viewers.AnyRunning());
}

TEST_F(HelpViewerTest, AViewerThatFailsAfterStartingIsToldByItsStatusAndPrintsNothing) {
  HelpViewers viewers;
  EXPECT_EQ(OutputOfStart(viewers, (m_folder / "xdg-open").string()), "");
  EXPECT_TRUE(viewers.CollectEnded());
  EXPECT_FALSE(viewers.AnyRunning());
}

// The back end's own wait wakes for the failing xdg-open, on an X display, where it watches
// the display's connection itself, and on SDL's wait.
TEST_F(HelpViewerTest, TheBackEndsWaitTellsOfAnXdgOpenThatFailed) {
  const std::string path = getenv("PATH") != nullptr ? getenv("PATH") : "/usr/bin:/bin";
  setenv("PATH", (m_folder.string() + ":" + path).c_str(), 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << display.Why();
  for (const bool onX : {true, false}) {
    if (onX) {
      unsetenv("SDL_VIDEODRIVER");
      unsetenv("WAYLAND_DISPLAY");
      setenv("DISPLAY", display.Name().c_str(), 1);
    } else {
      setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    std::string error;
    const std::unique_ptr<SdlBackend> backend = Create(error);
    ASSERT_NE(backend, nullptr) << error;
    while (backend->WaitForEvent(backend->NowMs(), WaitReason::Idle)) {
    }
    ASSERT_TRUE(backend->StartHelpViewer(u"/games/Tumbla.htm"));
    // The deadline is far off: only the viewer's end wakes the wait before it.
    const std::uint64_t deadline = backend->NowMs() + 10000;
    std::optional<InputEvent> event;
    do {
      event = backend->WaitForEvent(deadline, WaitReason::Idle);
    } while (event && event->kind != InputEvent::Kind::HelpFailed);
    EXPECT_TRUE(event.has_value()) << (onX ? "on X" : "on SDL's wait");
  }
  setenv("PATH", path.c_str(), 1);
}

}  // namespace
