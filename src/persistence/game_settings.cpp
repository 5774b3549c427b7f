#include "persistence/game_settings.h"

#include <algorithm>

#include "persistence/data_file.h"
#include "persistence/settings_location.h"
#include "persistence/text_util.h"
#include "platform/core/message_box.h"

namespace {

constexpr char16_t kAudioTag[] = u"<AUDIO>";
constexpr char16_t kColorTag[] = u"<COLOR>";
constexpr char16_t kSpeedTag[] = u"<SPEED>";

struct DefaultEntry {
  const char16_t* name;
  int score;
};

constexpr DefaultEntry kDefaultTable[kHiScoreCount] = {
    {u"Avlomo", 190}, {u"Bexin", 180}, {u"Corvina", 170}, {u"Dalmo", 160},   {u"Evrolde", 150},
    {u"Fennu", 140},  {u"Gubbo", 130}, {u"Hesko", 120},   {u"Ivvorin", 110}, {u"Jorlamee", 100},
};

CString ScoreTag(int index) { return u"<HISC" + theTextUtil.IntToText(index) + u">"; }
CString NameTag(int index) { return u"<HINA" + theTextUtil.IntToText(index) + u">"; }

// A name holding one of the file's tags would be found before that tag's own line once it is
// written back, and would change a score or an option at the next start; it is cut where
// the first such tag begins.
CString WithoutTags(CString name) {
  std::size_t cut = name.size();
  for (const char16_t* tag : {kAudioTag, kColorTag, kSpeedTag}) cut = std::min(cut, name.find(tag));
  for (int i = 0; i < kHiScoreCount; ++i) cut = std::min({cut, name.find(ScoreTag(i)), name.find(NameTag(i))});
  name.resize(cut);
  return name;
}

void AppendLine(CString& text, const CString& tag, const CString& value) {
  text += tag;
  text += value;
  text += u'\n';
}

}  // namespace

CGameSettings::CGameSettings() { Load(); }

CGameSettings::~CGameSettings() { Save(); }

void CGameSettings::Load() {
  m_bFileUnreadable = false;
  const SettingsPlace place = ChooseSettingsPlace();
  CDataFile::AtPath(place.file).RemoveLeftovers();
  const CDataFile source = CDataFile::AtPath(place.source);
  if (source.IsAbsent()) {
    SetDefaults();
    Save();
    return;
  }
  CString text;
  if (!source.ReadText(text, true)) {
    SetDefaults();
    // Only the file that saves would replace needs keeping; a shared one is never written.
    m_bFileUnreadable = place.source == place.file;
    return;
  }
  theTextUtil.GetTagInt(text, kAudioTag, m_nAudio, 0);
  theTextUtil.GetTagInt(text, kColorTag, m_nColor, 0);
  theTextUtil.GetTagInt(text, kSpeedTag, m_nSpeed, 0);
  for (int i = 0; i < kHiScoreCount; ++i) {
    theTextUtil.GetTagInt(text, ScoreTag(i), m_nHiScore[i], 0);
    m_strHiName[i] = WithoutTags(theTextUtil.GetTagString(text, NameTag(i)));
  }
}

UINT CGameSettings::Save() {
  if (m_bFileUnreadable) {
    AfxMessageBox(UnreadFileKeptMessage(ChooseSettingsPlace().file), MB_OK);
    return 0;
  }
  CString text;
  AppendLine(text, kAudioTag, theTextUtil.IntToText(m_nAudio));
  AppendLine(text, kColorTag, theTextUtil.IntToText(m_nColor));
  AppendLine(text, kSpeedTag, theTextUtil.IntToText(m_nSpeed));
  for (int i = 0; i < kHiScoreCount; ++i) {
    AppendLine(text, ScoreTag(i), theTextUtil.IntToText(m_nHiScore[i]));
    AppendLine(text, NameTag(i), m_strHiName[i]);
  }
  const CDataFile file = CDataFile::AtPath(ChooseSettingsPlace().file);
  if (!file.MakeFolders(true)) return 0;
  return file.WriteText(text, true);
}

void CGameSettings::SetDefaults() {
  m_nAudio = 1;
  m_nColor = 0;
  m_nSpeed = 1;
  ResetHiScores();
}

void CGameSettings::ResetHiScores() {
  for (int i = 0; i < kHiScoreCount; ++i) {
    m_strHiName[i] = kDefaultTable[i].name;
    m_nHiScore[i] = kDefaultTable[i].score;
  }
}
