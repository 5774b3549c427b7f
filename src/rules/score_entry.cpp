#include "rules/score_entry.h"

void CScorecardEntry::SetValue(int nValue) {
  m_nValue = nValue;
  OnChanged();
}

void CScorecardEntry::ShowOffer() {
  m_bOffered = true;
  OnChanged();
}

void CScorecardEntry::HideOffer() {
  m_bOffered = false;
  OnChanged();
}

void CScorecardEntry::SetValueNoOffer(int nValue) {
  m_nValue = nValue;
  m_bOffered = false;
  OnChanged();
}

bool CScorecardEntry::Take() {
  if (!m_bOffered) return false;
  if (m_bCommitOnTap) m_bFilled = true;
  m_bOffered = false;
  OnChanged();
  return true;
}
