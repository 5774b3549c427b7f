#pragma once
// One scorecard entry: a value, an offer mark, a filled mark and the take rule. The board's
// score cells hold the same entry and redraw inside every setter, so the fields and the
// take rule live here once and the cell only adds its drawing through OnChanged.

// What the turn evaluation and commit need of an entry, whether it is drawn or not.
class IScoreEntry {
 public:
  virtual ~IScoreEntry() = default;

  virtual bool IsOffered() const = 0;
  virtual bool IsFilled() const = 0;
  virtual void SetFilled(bool bFilled) = 0;
  virtual int GetValue() const = 0;
  virtual void SetValue(int nValue) = 0;
  // The value, or 0 while there is none.
  virtual int GetScore() const = 0;
  virtual void ShowOffer() = 0;
  virtual void HideOffer() = 0;
  virtual void SetValueNoOffer(int nValue) = 0;
  // The player's tap: takes a pending offer, filling the entry unless it is the Bonus
  // entry. Returns whether there was an offer to take.
  virtual bool Take() = 0;
};

// The fields and the rule. Every change that shows on screen ends in one OnChanged call;
// SetFilled alone changes nothing visible.
class CScorecardEntry : public IScoreEntry {
 public:
  explicit CScorecardEntry(bool bCommitOnTap) : m_bCommitOnTap(bCommitOnTap) {}

  bool IsOffered() const final { return m_bOffered; }
  bool IsFilled() const final { return m_bFilled; }
  void SetFilled(bool bFilled) final { m_bFilled = bFilled; }
  int GetValue() const final { return m_nValue; }
  void SetValue(int nValue) final;
  int GetScore() const final { return m_nValue < 0 ? 0 : m_nValue; }
  void ShowOffer() final;
  void HideOffer() final;
  void SetValueNoOffer(int nValue) final;
  bool Take() final;

 protected:
  virtual void OnChanged() {}

  int m_nValue = -1;
  // A fresh entry counts as offered until the board's first new game clears it.
  bool m_bOffered = true;
  bool m_bFilled = false;
  bool m_bCommitOnTap;
};

// An entry with nothing to draw: for the rules on their own, tests and benchmarks.
class CScoreEntry final : public CScorecardEntry {
 public:
  using CScorecardEntry::CScorecardEntry;
};
