// A settings file that is there but cannot be read costs the player nothing: the game says
// so, plays with the defaults and never writes over it, so the table in it survives.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "persistence/run_lock.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

// The unprivileged user of the system, whom permissions bind.
constexpr uid_t kNobody = 65534;

// For the superuser, whom permissions do not bind, the path becomes the unprivileged user's.
void GiveToUnprivilegedUser(const fs::path& path) {
  if (geteuid() == 0) {
    ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  }
}

// Runs the checks in a child process that first becomes the unprivileged user when this one
// is the superuser. The child's failures are the test's.
void AsUnprivilegedUser(const std::function<void()>& checks) {
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool bBound = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
    if (bBound) {
      checks();
    } else {
      ADD_FAILURE() << "could not become the unprivileged user";
    }
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the checks failed in the child";
}

void ExpectDefaults(const CGameSettings& settings) {
  EXPECT_EQ(settings.m_nAudio, 1);
  EXPECT_EQ(settings.m_nColor, 0);
  EXPECT_EQ(settings.m_nSpeed, 1);
  EXPECT_EQ(settings.m_nHiScore[0], 190);
  EXPECT_EQ(settings.m_strHiName[9], u"Jorlamee");
}

class DamagedSettingsTest : public ::testing::Test {
 protected:
  fs::path SettingsFile() const { return temp.File("Tumbla.ini"); }
  // The box of a save that keeps the file it could not read, and of a failed read.
  CString KeptMessage() const {
    return u"Error exporting data to disk:\n" + FromUtf8(SettingsFile().string()) +
           u" could not be read when the game started, so it is left as it was.";
  }
  CString ReadFailure(const char16_t* reason) const {
    return u"Error reading data from disk:\n" + FromUtf8(SettingsFile().string()) + u"\n" + reason;
  }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(DamagedSettingsTest, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
  fs::create_directory(SettingsFile());
  {
    CGameSettings settings;
    ExpectDefaults(settings);
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, ReadFailure(u"Is a directory"));
    settings.m_nHiScore[0] = 250;
    EXPECT_EQ(settings.Save(), 0u);
    ASSERT_EQ(boxes.Requests().size(), 2u);
    EXPECT_EQ(boxes.Requests()[1].text, KeptMessage());
  }
  // The save at the end says so once more.
  ASSERT_EQ(boxes.Requests().size(), 3u);
  EXPECT_EQ(boxes.Requests()[2].text, KeptMessage());
  EXPECT_TRUE(fs::is_directory(SettingsFile()));
}

TEST_F(DamagedSettingsTest, AnUnreadableFileKeepsItsTable) {
  const std::string table = "<AUDIO>0\n<HISC0>400\n<HINA0>Kept\n";
  PutFile(SettingsFile(), table);
  fs::permissions(SettingsFile(), fs::perms::owner_write);
  // The folder would take a new file, so nothing but the game's own care keeps the table.
  GiveToUnprivilegedUser(temp.Folder());
  GiveToUnprivilegedUser(SettingsFile());
  AsUnprivilegedUser([this] {
    {
      CGameSettings settings;
      ExpectDefaults(settings);
      ASSERT_FALSE(boxes.Requests().empty());
      EXPECT_EQ(boxes.Requests()[0].text, ReadFailure(u"Permission denied"));
    }
    EXPECT_EQ(boxes.Requests().back().text, KeptMessage());
  });
  // Read back by the one who made it unreadable, whoever runs the tests.
  fs::permissions(SettingsFile(), fs::perms::owner_read, fs::perm_options::add);
  EXPECT_EQ(FileBytes(SettingsFile()), table);
}

// A settings file made read-only in a folder the player may write is the player's own
// protection of the table: every save says it failed, and the file stays as it is.
TEST_F(DamagedSettingsTest, AReadOnlyFileInAWritableFolderIsReportedAndNeverReplaced) {
  const std::string table = "<AUDIO>0\n<HISC0>400\n<HINA0>Kept\n";
  PutFile(SettingsFile(), table);
  fs::permissions(SettingsFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  GiveToUnprivilegedUser(temp.Folder());
  GiveToUnprivilegedUser(SettingsFile());
  AsUnprivilegedUser([this] {
    {
      CGameSettings settings;
      EXPECT_EQ(settings.m_nHiScore[0], 400);
      settings.m_nHiScore[0] = 777;
      EXPECT_EQ(settings.Save(), 0u);
    }
    ASSERT_EQ(boxes.Requests().size(), 2u) << "the save asked for and the one at the end";
    EXPECT_EQ(boxes.Requests()[1].text,
              u"Error exporting data to disk:\n" + FromUtf8(SettingsFile().string()) + u"\nPermission denied");
  });
  EXPECT_EQ(FileBytes(SettingsFile()), table);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

// A folder that may be written and searched but not read: a second copy is kept out, and
// the file in it is saved where it is.
TEST_F(DamagedSettingsTest, AFolderThatCannotBeReadIsStillLockedAndSaved) {
  PutFile(SettingsFile(), "<AUDIO>0\n<HISC0>400\n<HINA0>Kept\n");
  GiveToUnprivilegedUser(temp.Folder());
  GiveToUnprivilegedUser(SettingsFile());
  fs::permissions(temp.Folder(), fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_write |
                                     fs::perms::group_exec | fs::perms::others_write | fs::perms::others_exec);
  AsUnprivilegedUser([this] {
    const RunLock first;
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(RunLock().Held()) << "a second copy in the same folder";
    {
      CGameSettings settings;
      EXPECT_EQ(settings.m_nHiScore[0], 400);
      settings.m_nHiScore[0] = 777;
    }
    EXPECT_TRUE(boxes.Requests().empty());
  });
  fs::permissions(temp.Folder(), fs::perms::owner_read, fs::perm_options::add);
  EXPECT_NE(FileBytes(SettingsFile()).find("<HISC0>777\n<HINA0>Kept\n"), std::string::npos);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

TEST_F(DamagedSettingsTest, AFileTooLargeForATableIsReportedAndLeftAlone) {
  const std::string huge = "<HISC0>400\n<HINA0>" + std::string(std::size_t{3} << 20, 'n') + "\n";
  PutFile(SettingsFile(), huge);
  {
    CGameSettings settings;
    ExpectDefaults(settings);
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, ReadFailure(u"File too large"));
  }
  EXPECT_EQ(boxes.Requests().back().text, KeptMessage());
  EXPECT_EQ(FileBytes(SettingsFile()), huge);
}

// A per-user path longer than the system takes names no file: every save says so, and none
// claims a file was there to keep.
TEST_F(DamagedSettingsTest, APathTooLongForTheSystemIsToldAsSuch) {
  SetModuleFilePathForTesting((temp.Folder() / "missing" / "tumbla").string());
  const std::string dataHome = temp.DataHome().string() + "/" + std::string(5000, 'd');
  setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  { CGameSettings settings; }
  ASSERT_EQ(boxes.Requests().size(), 2u) << "the first start's save and the one at the end";
  for (const MessageBoxRequest& box : boxes.Requests()) {
    EXPECT_TRUE(box.text.starts_with(u"Error exporting data to disk:\n\u2026ddd")) << ToUtf8(box.text);
    EXPECT_TRUE(box.text.ends_with(u"ddd\nFile name too long")) << ToUtf8(box.text);
  }
}

TEST_F(DamagedSettingsTest, APipeInTheFilesPlaceNeitherHangsNorIsReplaced) {
  ASSERT_EQ(mkfifo(SettingsFile().c_str(), 0600), 0);
  {
    CGameSettings settings;
    EXPECT_EQ(settings.m_nAudio, 0);
    EXPECT_EQ(settings.Save(), 0u);
  }
  ASSERT_EQ(boxes.Requests().size(), 2u);
  EXPECT_EQ(boxes.Requests()[0].text,
            u"Error exporting data to disk:\n" + FromUtf8(SettingsFile().string()) + u"\nNo such device or address");
  EXPECT_TRUE(fs::is_fifo(SettingsFile()));
}

TEST_F(DamagedSettingsTest, ANameHoldingATagIsCutSoThatNoScoreChangesAtTheNextStart) {
  PutFile(SettingsFile(), "<HISC4>150\n<HINA0>Al<HISC4>7\n<HINA1>Bo<AUDIO\n<AUDIO>1\n");
  CGameSettings settings;
  EXPECT_EQ(settings.m_nHiScore[4], 150);
  EXPECT_EQ(settings.m_strHiName[0], u"Al");
  EXPECT_EQ(settings.m_strHiName[1], u"Bo<AUDIO");
  EXPECT_EQ(settings.m_nAudio, 1);
  EXPECT_TRUE(boxes.Requests().empty());
}

}  // namespace
