#include "persistence/hi_score_table.h"

#include <algorithm>

bool QualifiesForHiScores(const CGameSettings& settings, int nTotal) {
  return nTotal > settings.m_nHiScore[kHiScoreCount - 1];
}

int InsertHiScore(CGameSettings& settings, int nTotal, const CString& strName) {
  if (!QualifiesForHiScores(settings, nTotal)) return -1;
  // Found at the latest at the tenth entry, which the total beats.
  const int* first = settings.m_nHiScore;
  const int nPosition = static_cast<int>(
      std::find_if(first, first + kHiScoreCount, [nTotal](int nScore) { return nTotal > nScore; }) - first);
  for (int i = kHiScoreCount - 1; i > nPosition; --i) {
    settings.m_nHiScore[i] = settings.m_nHiScore[i - 1];
    settings.m_strHiName[i] = settings.m_strHiName[i - 1];
  }
  settings.m_nHiScore[nPosition] = nTotal;
  settings.m_strHiName[nPosition] = strName;
  return nPosition;
}

bool IsStorableName(const CString& strName) {
  return std::none_of(strName.begin(), strName.end(), [](char16_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return control || c > 0xFF || c == u',' || c == u'<' || c == u'>';
  });
}
