#include "persistence/extra_settings.h"

#include "persistence/data_file.h"
#include "persistence/settings_location.h"
#include "persistence/text_util.h"
#include "platform/core/message_box.h"

namespace {

constexpr char16_t kCoachTag[] = u"<COACH>";

CDataFile ExtrasFile() { return CDataFile::AtPath(BesideSettingsFile(kExtrasFileName)); }

}  // namespace

void CExtraSettings::Load() {
  m_bFileUnreadable = false;
  m_bCoach = false;
  const CDataFile file = ExtrasFile();
  file.RemoveLeftovers();
  if (file.IsAbsent()) return;
  CString text;
  if (!file.ReadText(text, true)) {
    m_bFileUnreadable = true;
    return;
  }
  int nCoach = 0;
  theTextUtil.GetTagInt(text, kCoachTag, nCoach, 0);
  m_bCoach = nCoach == 1;
}

UINT CExtraSettings::Save() {
  if (m_bFileUnreadable) {
    AfxMessageBox(UnreadFileKeptMessage(ExtrasFile().GetSystemPath()), MB_OK);
    return 0;
  }
  const CString text = kCoachTag + theTextUtil.IntToText(m_bCoach ? 1 : 0) + u"\n";
  const CDataFile file = ExtrasFile();
  if (!file.MakeFolders(true)) return 0;
  return file.WriteText(text, true);
}
