#pragma once
// The rules of the high-score table in theSettings: which totals enter it, where they go,
// and which names the settings file can keep as they were typed.
#include "persistence/game_settings.h"

// A total enters the table only when it beats the tenth (lowest) entry.
bool QualifiesForHiScores(const CGameSettings& settings, int nTotal);

// Puts the entry in front of the first score the total beats, so below any equal ones,
// moving the rest down one place; the old tenth entry drops out. Returns the position,
// or -1 (and changes nothing) when the total does not qualify. The file is not written.
int InsertHiScore(CGameSettings& settings, int nTotal, const CString& strName);

// The file stores a name without escaping, one byte per character: a comma ends the value
// when it is read back, angle brackets can form a tag that the reader finds first, a line
// feed ends the line, and characters above U+00FF lose their high bits. A name free of
// those (and of other control characters) reads back exactly as it was written.
bool IsStorableName(const CString& strName);
