#include "persistence/data_file.h"
#include "persistence/run_lock.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "persistence/safe_replace.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

class DataFileTest : public ::testing::Test {
 protected:
  std::string Folder() const { return temp.Folder().string() + "/"; }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(DataFileTest, NamesResolveBesideTheExecutable) {
  EXPECT_EQ(CDataFile(u"Tumbla.ini").GetSystemPath(), CDataFile::BuildPath(u"Tumbla.ini", false));
  EXPECT_EQ(ToUtf8(CDataFile(u"Tumbla.ini").GetPath()), Folder() + "Tumbla.ini");
  EXPECT_EQ(CDataFile(u"/var/x/Tumbla.ini").GetPath(), u"/var/x/Tumbla.ini");
  EXPECT_EQ(ToUtf8(CDataFile(u"a.dat", u"saves").GetPath()), Folder() + "saves/a.dat");
  EXPECT_EQ(ToUtf8(CDataFile(u"a.dat", u"").GetPath()), Folder() + "a.dat");
  SetModuleFilePathForTesting(u"tumbla");
  EXPECT_EQ(CDataFile(u"Tumbla.ini").GetPath(), u"Tumbla.ini") << "an unknown folder is not the root";
}

TEST_F(DataFileTest, OneCopyAtATimeHoldsTheFolderAndLeavesNothingThere) {
  {
    const RunLock first;
    EXPECT_TRUE(first.Held());
    const RunLock second;
    EXPECT_FALSE(second.Held()) << "a second copy in the same folder";
    EXPECT_EQ(second.Holder(), getpid()) << "the second finds the first";
  }
  EXPECT_TRUE(RunLock().Held()) << "free again once the first has ended";
  EXPECT_EQ(FolderEntries(temp.Folder()), 0);
  // Neither beside a missing executable's folder nor in a data folder below a plain file.
  SetModuleFilePathForTesting(Folder() + "missing/tumbla");
  PutFile(temp.File("plain"), "");
  setenv("XDG_DATA_HOME", (Folder() + "plain").c_str(), 1);
  EXPECT_TRUE(RunLock().Held()) << "a folder that cannot be locked keeps nobody out";
}

// Two folders whose settings files lead to one file save in that file's folder: the copies
// started in them are one too many.
TEST_F(DataFileTest, TheLockIsOnTheFolderTheSaveWritesIn) {
  for (const char* folder : {"real", "a", "b"}) fs::create_directory(temp.File(folder));
  PutFile(temp.File("real/Tumbla.ini"), "<AUDIO>0\n");
  fs::create_symlink("../real/Tumbla.ini", temp.File("a/Tumbla.ini"));
  fs::create_symlink(temp.File("real/Tumbla.ini"), temp.File("b/Tumbla.ini"));
  SetModuleFilePathForTesting(Folder() + "a/tumbla");
  const RunLock first;
  EXPECT_TRUE(first.Held());
  SetModuleFilePathForTesting(Folder() + "b/tumbla");
  EXPECT_FALSE(RunLock().Held()) << "a copy in the other folder";
  SetModuleFilePathForTesting(Folder() + "real/tumbla");
  EXPECT_FALSE(RunLock().Held()) << "a copy in the file's own folder";
}

TEST_F(DataFileTest, ReadsEveryByteAsOneCharacter) {
  std::string bytes(5000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 256);
  PutFile(temp.File("big.dat"), bytes);
  const CString text = CDataFile(u"big.dat").ReadText(true);
  ASSERT_EQ(text.size(), 5000u);
  for (std::size_t i = 0; i < text.size(); ++i) ASSERT_EQ(text[i], static_cast<char16_t>(i % 256)) << i;

  PutFile(temp.File("blocks.dat"), std::string(4096, 'x'));
  EXPECT_EQ(CDataFile(u"blocks.dat").ReadText(true), CString(4096, u'x'));
  PutFile(temp.File("empty.dat"), "");
  EXPECT_EQ(CDataFile(u"empty.dat").ReadText(true), u"");
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(DataFileTest, AFileLargerThanAnyTableOrWithoutEndIsTooLargeToRead) {
  constexpr std::size_t kBound = std::size_t{1} << 20;
  PutFile(temp.File("bound.dat"), std::string(kBound, 'x'));
  EXPECT_EQ(CDataFile(u"bound.dat").ReadText(true).size(), kBound);
  PutFile(temp.File("over.dat"), std::string(kBound + 1, 'x'));
  CString text = u"old";
  ASSERT_FALSE(CDataFile(u"over.dat").ReadText(text, false));
  EXPECT_EQ(text, u"");
  std::vector<BYTE> bytes;
  EXPECT_EQ(CDataFile(u"over.dat").ReadBytes(bytes, false), 0u);
  // Only with the bound in place is a file without end safe to try.
  fs::create_symlink("/dev/zero", temp.File("endless.dat"));
  EXPECT_EQ(CDataFile(u"endless.dat").ReadBytes(bytes, true), 0u);
  ASSERT_EQ(boxes.Requests().size(), 1u);
  EXPECT_NE(boxes.Requests()[0].text.find(u"File too large"), CString::npos);
}

TEST_F(DataFileTest, WritesTheLowEightBitsAndReplacesTheWholeFile) {
  PutFile(temp.File("out.dat"), std::string(300, 'z'));
  const CDataFile file(u"out.dat");
  EXPECT_EQ(file.WriteText(u"A\u0141\u00E9\n", true), 4u);
  EXPECT_EQ(FileBytes(temp.File("out.dat")), "AA\xE9\n");

  std::vector<BYTE> bytes;
  EXPECT_EQ(file.ReadBytes(bytes, true), 4u);
  EXPECT_EQ(bytes, (std::vector<BYTE>{'A', 'A', 0xE9, '\n'}));
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(DataFileTest, MissingFileReadsEmptyWithTheSystemsReason) {
  const CDataFile file(u"missing.dat");
  EXPECT_FALSE(file.Exists());
  EXPECT_EQ(file.ReadText(false), u"");
  EXPECT_TRUE(boxes.Requests().empty());

  EXPECT_EQ(file.ReadText(true), u"");
  ASSERT_EQ(boxes.Requests().size(), 1u);
  EXPECT_EQ(boxes.Requests()[0].text,
            u"Error reading data from disk:\n" + FromUtf8(Folder()) + u"missing.dat\nNo such file or directory");
  EXPECT_EQ(boxes.Requests()[0].type, MB_OK);
}

TEST_F(DataFileTest, WriteIntoMissingFolderFailsWithTheSystemsReason) {
  EXPECT_EQ(CDataFile(u"a.dat", u"nowhere").WriteText(u"x", false), 0u);
  EXPECT_TRUE(boxes.Requests().empty());
  EXPECT_EQ(CDataFile(u"a.dat", u"nowhere").WriteText(u"x", true), 0u);
  ASSERT_EQ(boxes.Requests().size(), 1u);
  EXPECT_EQ(boxes.Requests()[0].text,
            u"Error exporting data to disk:\n" + FromUtf8(Folder()) + u"nowhere/a.dat\nNo such file or directory");
}

TEST_F(DataFileTest, ReplacingLeavesNothingBesideTheFileAndKeepsItsPermissions) {
  PutFile(temp.File("keep.dat"), "old");
  fs::permissions(temp.File("keep.dat"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(CDataFile(u"keep.dat").WriteText(u"new text", true), 8u);
  EXPECT_EQ(FileBytes(temp.File("keep.dat")), "new text");
  EXPECT_EQ(fs::status(temp.File("keep.dat")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

TEST_F(DataFileTest, ALinkedFileIsSavedWhereTheLinkLeadsAndTheLinksStay) {
  fs::create_directory(temp.File("real"));
  PutFile(temp.File("real/Tumbla.ini"), "old");
  fs::create_symlink("real/Tumbla.ini", temp.File("Tumbla.ini"));
  fs::create_symlink(temp.File("Tumbla.ini"), temp.File("chain.ini"));
  EXPECT_EQ(CDataFile(u"Tumbla.ini").WriteText(u"new", true), 3u);
  EXPECT_EQ(CDataFile(u"chain.ini").WriteText(u"newer", true), 5u);
  EXPECT_TRUE(fs::is_symlink(temp.File("Tumbla.ini")));
  EXPECT_TRUE(fs::is_symlink(temp.File("chain.ini")));
  EXPECT_EQ(FileBytes(temp.File("real/Tumbla.ini")), "newer");
  EXPECT_EQ(FolderEntries(temp.File("real")), 1);
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(DataFileTest, ASavedFileKeepsItsOwner) {
  PutFile(temp.File("Tumbla.ini"), "old");
  constexpr uid_t kOtherUser = 65534;
  if (chown(temp.File("Tumbla.ini").c_str(), kOtherUser, kOtherUser) != 0) {
    GTEST_SKIP() << "only the superuser can give a file to another user";
  }
  fs::permissions(temp.File("Tumbla.ini"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(CDataFile(u"Tumbla.ini").WriteText(u"new", true), 3u);
  struct stat info {};
  ASSERT_EQ(stat(temp.File("Tumbla.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kOtherUser);
  EXPECT_EQ(info.st_gid, kOtherUser);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Where the file system has no unnamed files, the new file is named from the start; a link
// planted under the name it would take is never written through, nor taken for the file.
TEST_F(DataFileTest, ALinkPlantedUnderTheNextTemporaryNameIsNeverWrittenThrough) {
  std::vector<std::string> names{"first1", "second"};
  NameTemporariesForTesting([&names] {
    std::string next = names.front();
    names.erase(names.begin());
    return next;
  });
  PutFile(temp.File("other.txt"), "not ours");
  fs::create_symlink(temp.File("other.txt"), temp.File("Tumbla.ini.tumbla-save-first1"));
  const UINT length = CDataFile(u"Tumbla.ini").WriteText(u"new", true);
  NameTemporariesForTesting(nullptr);
  EXPECT_EQ(length, 3u);
  EXPECT_TRUE(names.empty()) << "the planted name was passed over for the next";
  EXPECT_EQ(FileBytes(temp.File("other.txt")), "not ours");
  EXPECT_FALSE(fs::is_symlink(temp.File("Tumbla.ini")));
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), "new");
  EXPECT_TRUE(fs::is_symlink(temp.File("Tumbla.ini.tumbla-save-first1")));
  EXPECT_FALSE(fs::exists(temp.File("Tumbla.ini.tumbla-save-second")));
}

TEST_F(DataFileTest, OnlyThisProgramsLeftoversAreRemoved) {
  for (const char* name : {"Tumbla.ini.tumbla-save-a1B2c3", "Tumbla.ini.tumbla-save-a1B2c", "Tumbla.ini.bak",
                           "Other.ini.tumbla-save-a1B2c3"}) {
    PutFile(temp.File(name), "x");
  }
  CDataFile(u"Tumbla.ini").RemoveLeftovers();
  EXPECT_FALSE(fs::exists(temp.File("Tumbla.ini.tumbla-save-a1B2c3")));
  EXPECT_EQ(FolderEntries(temp.Folder()), 3);
}

// Limits the size of the files this process may write while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    signal(SIGXFSZ, m_previousHandler);
  }

 private:
  rlimit m_saved{};
  sighandler_t m_previousHandler;
};

TEST_F(DataFileTest, FailedWriteLeavesTheOldFileWhole) {
  PutFile(temp.File("Tumbla.ini"), "<AUDIO>1\n<HISC0>190\n");
  {
    FileSizeLimit limit(100);
    EXPECT_EQ(CDataFile(u"Tumbla.ini").WriteText(CString(5000, u'x'), true), 0u);
  }
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), "<AUDIO>1\n<HISC0>190\n");
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
  ASSERT_EQ(boxes.Requests().size(), 1u);
  EXPECT_EQ(boxes.Requests()[0].text,
            u"Error exporting data to disk:\n" + FromUtf8(Folder()) + u"Tumbla.ini\nFile too large");
}

TEST_F(DataFileTest, DeleteSaysWhetherTheFileWasRemoved) {
  PutFile(temp.File("gone.dat"), "x");
  const CDataFile file(u"gone.dat");
  EXPECT_TRUE(file.Exists());
  EXPECT_TRUE(file.Delete());
  EXPECT_FALSE(file.Exists());
  EXPECT_FALSE(file.Delete());
}

}  // namespace
