#include "persistence/data_file.h"
#include "persistence/run_lock.h"
#include "persistence/settings_location.h"
#include "platform/win32/system/win32_files.h"

RunLock::RunLock() {
  // A per-user folder is made now, as on other systems, so that the lock and the first save
  // agree on the folder.
  const SettingsPlace place = ChooseSettingsPlace();
  CDataFile::AtPath(place.file).MakeFolders(false);
  m_fd = win32::LockFolder(place.folder);
  m_bHeld = m_fd != -1;
}

RunLock::~RunLock() { win32::UnlockFolder(m_fd); }
