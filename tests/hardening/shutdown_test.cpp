// The game as the desktop runs it (SDL with its dummy video and audio drivers), ended by a
// signal: it leaves the way Exit answered Yes does, with the settings saved and status 0.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "hardening/read_only_path.h"
#include "persistence/file_bytes.h"
#include "support/virtual_display.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A copy of the game in a folder of its own, where it keeps its settings file, with a data
// folder of its own for when it may not; what it writes on standard error goes beside them.
class InstalledGame {
 public:
  InstalledGame() {
    std::string pattern = (fs::temp_directory_path() / "tumbla-shutdown-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    m_root = pattern;
    m_folder = m_root / "game";
    fs::create_directory(m_folder);
    fs::create_directory(DataHome());
    fs::copy_file(TUMBLA_GAME_PATH, m_folder / "tumbla");
    fs::permissions(m_folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  }
  ~InstalledGame() {
    std::error_code error;
    fs::remove_all(m_root, error);
  }

  const fs::path& Folder() const { return m_folder; }
  fs::path DataHome() const { return m_root / "data"; }
  // The command that starts the game; the copy in the folder unless another was chosen.
  fs::path Program() const { return m_program.empty() ? m_folder / "tumbla" : m_program; }
  void SetProgram(const fs::path& program) { m_program = program; }

  // Starts the game with default signal actions (a shell may have left SIGINT ignored),
  // standard error into a file; on SDL's dummy drivers, on that X display, or with no
  // desktop named at all.
  pid_t Start(bool bDesktop = true, const std::string& xDisplay = "") const {
    const fs::path errors = m_root / "stderr.txt";
    const pid_t pid = fork();
    if (pid != 0) return pid;
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
    const int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    dup2(fd, STDERR_FILENO);
    setenv("XDG_DATA_HOME", DataHome().c_str(), 1);
    if (!xDisplay.empty()) {
      setenv("DISPLAY", xDisplay.c_str(), 1);
      unsetenv("WAYLAND_DISPLAY");
      unsetenv("SDL_VIDEODRIVER");
      setenv("SDL_AUDIODRIVER", "dummy", 1);
    } else if (bDesktop) {
      setenv("SDL_VIDEODRIVER", "dummy", 1);
      setenv("SDL_AUDIODRIVER", "dummy", 1);
    } else {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
      unsetenv("SDL_VIDEODRIVER");
    }
    const std::string program = Program().string();
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }

  std::string Errors() const { return FileBytes(m_root / "stderr.txt"); }

 private:
  fs::path m_root;
  fs::path m_folder;
  fs::path m_program;
};

// True once the process catches the signal, that is, once the game's window is up.
bool CatchesSignal(pid_t pid, int signal) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
  }
  return false;
}

void WaitUntilUp(pid_t pid) {
  for (int i = 0; i < 200 && !CatchesSignal(pid, SIGTERM); ++i) std::this_thread::sleep_for(50ms);
  std::this_thread::sleep_for(300ms);
}

// The exit status, or -1 when the game did not end in time (it is then killed).
int WaitForEnd(pid_t pid, std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 10ms) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::this_thread::sleep_for(10ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

int SignalAndWait(pid_t pid, int signal) {
  WaitUntilUp(pid);
  kill(pid, signal);
  return WaitForEnd(pid, 10s);
}

TEST(Shutdown, TermInterruptAndHangUpEndTheGameAsExitDoesAndKeepTheSettings) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    InstalledGame game;
    PutFile(game.Folder() / "Tumbla.ini", "<AUDIO>0\n<HISC0>321\n<HINA0>Kept\n");
    EXPECT_EQ(SignalAndWait(game.Start(), signal), 0) << signal << game.Errors();
    const std::string saved = FileBytes(game.Folder() / "Tumbla.ini");
    EXPECT_EQ(saved.substr(0, 18), "<AUDIO>0\n<COLOR>0\n") << signal;
    EXPECT_NE(saved.find("<HISC0>321\n<HINA0>Kept\n"), std::string::npos) << signal;
    EXPECT_EQ(game.Errors(), "") << signal;
  }
}

// The game kept at the last end goes on at this start, and a signal keeps it again: rewritten
// as the game writes it, with the words of the first die in the game's own order.
TEST(Shutdown, ASignalKeepsTheGameInProgressThatTheStartResumed) {
  InstalledGame game;
  std::string dice;
  for (int i = 0; i < 4; ++i) dice += "die 4\n";
  std::string cells;
  for (int i = 0; i < 14; ++i) cells += "cell -1\n";
  const std::string kept = "Tumbla game in progress 2\nrolls 0\noffers 0\nextras 0\nextra-pending 0\n";
  PutFile(game.Folder() / "Tumbla-resume.txt", kept + "die 4 blank fixed\n" + dice + cells + "cell 0\nmoves\n");
  EXPECT_EQ(SignalAndWait(game.Start(), SIGTERM), 0) << game.Errors();
  EXPECT_EQ(FileBytes(game.Folder() / "Tumbla-resume.txt"),
            kept + "die 4 fixed blank\n" + dice + cells + "cell 0\nmoves\n");
  EXPECT_EQ(game.Errors(), "");
}

// Where the first copy cannot come forward (SDL's window in memory), the second says so.
TEST(Shutdown, ASecondCopyInTheSameFolderSaysSoAndLeavesTheFileToTheFirst) {
  InstalledGame game;
  PutFile(game.Folder() / "Tumbla.ini", "<AUDIO>0\n<HISC0>321\n<HINA0>Kept\n");
  const pid_t first = game.Start();
  WaitUntilUp(first);
  const std::string loaded = FileBytes(game.Folder() / "Tumbla.ini");
  // Its box has nobody to answer it on the dummy display; the signal closes it.
  EXPECT_EQ(SignalAndWait(game.Start(), SIGTERM), 1) << game.Errors();
  EXPECT_EQ(FileBytes(game.Folder() / "Tumbla.ini"), loaded);
  EXPECT_EQ(SignalAndWait(first, SIGTERM), 0) << game.Errors();
  EXPECT_EQ(FolderEntries(game.Folder()), 2) << "the game and its settings file";
}

TEST(Shutdown, ASecondCopyBringsTheFirstForwardAndEndsAtOnce) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << display.Why();
  InstalledGame game;
  PutFile(game.Folder() / "Tumbla.ini", "<AUDIO>0\n<HISC0>321\n<HINA0>Kept\n");
  const pid_t first = game.Start(true, display.Name());
  WaitUntilUp(first);
  const std::string loaded = FileBytes(game.Folder() / "Tumbla.ini");
  EXPECT_EQ(WaitForEnd(game.Start(true, display.Name()), 10s), 0) << game.Errors();
  EXPECT_EQ(game.Errors(), "Tumbla is already running; its window was brought to the front.\n");
  EXPECT_EQ(FileBytes(game.Folder() / "Tumbla.ini"), loaded);
  EXPECT_EQ(SignalAndWait(first, SIGTERM), 0) << "the first copy goes on until it is ended";
}

TEST(Shutdown, WhenTheDisplayGoesAwayTheGameSavesSaysSoAndEndsWithinASecond) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << display.Why();
  InstalledGame game;
  PutFile(game.Folder() / "Tumbla.ini", "<AUDIO>0\n<HISC0>321\n<HINA0>Kept\n");
  const pid_t pid = game.Start(true, display.Name());
  WaitUntilUp(pid);
  display.End();
  EXPECT_EQ(WaitForEnd(pid, 1s), 1) << game.Errors();
  const std::string saved = FileBytes(game.Folder() / "Tumbla.ini");
  EXPECT_EQ(saved.substr(0, 18), "<AUDIO>0\n<COLOR>0\n");
  EXPECT_NE(saved.find("<HISC0>321\n<HINA0>Kept\n"), std::string::npos);
  EXPECT_EQ(game.Errors(), "Tumbla: the connection to the display was lost; the game ends.\n");
}

// An X display that takes connections and never answers them: a listening socket where
// the display's would be, on a number no display uses.
class SilentDisplay {
 public:
  SilentDisplay() {
    fs::create_directories("/tmp/.X11-unix");
    for (int number = 700; number < 800 && m_fd < 0; ++number) {
      const std::string socketPath = "/tmp/.X11-unix/X" + std::to_string(number);
      if (fs::exists(socketPath) || fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
      const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
      if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && listen(fd, 16) == 0) {
        m_fd = fd;
        m_path = socketPath;
        m_name = ":" + std::to_string(number);
      } else {
        close(fd);
      }
    }
  }
  ~SilentDisplay() {
    if (m_fd < 0) return;
    close(m_fd);
    unlink(m_path.c_str());
  }
  SilentDisplay(const SilentDisplay&) = delete;
  SilentDisplay& operator=(const SilentDisplay&) = delete;

  bool Listening() const { return m_fd >= 0; }
  const std::string& Name() const { return m_name; }

 private:
  int m_fd = -1;
  std::string m_path;
  std::string m_name;
};

TEST(Shutdown, ADisplayThatNeverAnswersIsGivenUpWithOneLine) {
  const SilentDisplay display;
  ASSERT_TRUE(display.Listening());
  InstalledGame game;
  EXPECT_EQ(WaitForEnd(game.Start(true, display.Name()), 60s), 1) << game.Errors();
  EXPECT_EQ(game.Errors(), "Tumbla needs a graphical desktop, and none could be reached: the display " +
                               display.Name() + " did not answer within 5 seconds\n");
}

TEST(Shutdown, ASignalWhileTheDisplayDoesNotAnswerEndsTheGame) {
  const SilentDisplay display;
  ASSERT_TRUE(display.Listening());
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    InstalledGame game;
    EXPECT_EQ(SignalAndWait(game.Start(true, display.Name()), signal), 0) << signal << game.Errors();
    EXPECT_EQ(game.Errors(), "") << signal << ": ended by the signal, not by giving up";
    EXPECT_FALSE(fs::exists(game.Folder() / "Tumbla.ini")) << signal << ": nothing was loaded to save";
  }
}

TEST(Shutdown, ASignalWhileTheBoxOfAFailedLoadIsUpEndsTheGame) {
  InstalledGame game;
  fs::create_directory(game.Folder() / "Tumbla.ini");
  EXPECT_EQ(SignalAndWait(game.Start(), SIGTERM), 0) << game.Errors();
  // The closing save keeps the unreadable file; with nobody left to answer a box, it says so
  // on standard error, once.
  EXPECT_EQ(game.Errors(), "Tumbla: Error exporting data to disk:\n" + (game.Folder() / "Tumbla.ini").string() +
                               " could not be read when the game started, so it is left as it was.\n");
  EXPECT_TRUE(fs::is_directory(game.Folder() / "Tumbla.ini"));
}

TEST(Shutdown, WhereNoFolderTakesAFileTheGameEndsWithOneMessageForTheLastSave) {
  InstalledGame game;
  const ReadOnlyPath folder(game.Folder());
  const ReadOnlyPath dataHome(game.DataHome());
  if (!folder.Holds() || !dataHome.Holds()) GTEST_SKIP() << "no way to stop writes into a folder here";
  EXPECT_EQ(SignalAndWait(game.Start(), SIGTERM), 0) << game.Errors();
  EXPECT_EQ(game.Errors(), "Tumbla: Error exporting data to disk:\n" + (game.DataHome() / "tumbla").string() + "\n" +
                               dataHome.Reason() + "\n");
  EXPECT_FALSE(fs::exists(game.Folder() / "Tumbla.ini"));
}

TEST(Shutdown, WithoutADesktopTheGameSaysSoAndEnds) {
  InstalledGame game;
  const pid_t pid = game.Start(false);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(game.Errors().find("Tumbla needs a graphical desktop"), std::string::npos) << game.Errors();
}

TEST(Install, PutsTheGameInAFolderOfItsOwnWithACommandAnEntryAndIcons) {
  InstalledGame scratch;
  const fs::path prefix = scratch.Folder() / "prefix";
  const std::string install = std::string(CMAKE_COMMAND) + " --install " + TUMBLA_BUILD_DIR + " --prefix " +
                              prefix.string() + " > " + (scratch.Folder() / "install.txt").string();
  ASSERT_EQ(std::system(install.c_str()), 0) << FileBytes(scratch.Folder() / "install.txt");
  const fs::path home = prefix / "lib" / "tumbla";
  EXPECT_TRUE(fs::exists(home / "Tumbla.htm"));
  EXPECT_EQ(fs::read_symlink(prefix / "bin" / "tumbla"), fs::path("../lib/tumbla/tumbla"));
  const std::string entry = FileBytes(prefix / "share" / "applications" / "tumbla.desktop");
  EXPECT_NE(entry.find("Exec=" + (prefix / "bin" / "tumbla").string() + "\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Icon=tumbla\n"), std::string::npos) << entry;
  for (const char* size : {"32x32", "64x64", "128x128", "256x256"}) {
    EXPECT_TRUE(fs::exists(prefix / "share" / "icons" / "hicolor" / size / "apps" / "tumbla.png")) << size;
  }

  scratch.SetProgram(prefix / "bin" / "tumbla");
  EXPECT_EQ(SignalAndWait(scratch.Start(), SIGTERM), 0) << scratch.Errors();
  EXPECT_EQ(FileBytes(home / "Tumbla.ini").substr(0, 9), "<AUDIO>1\n");
  EXPECT_FALSE(fs::exists(scratch.Folder() / "Tumbla.ini"));
}

}  // namespace
