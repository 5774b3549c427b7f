#pragma once
// A locale's date conventions for the life of one call: on POSIX systems the locale the
// environment names (LC_ALL, LC_TIME, LANG), as the handheld's user default locale was; on
// Windows, whose C library names no other, the C locale's (the game itself shows no date).
#include <ctime>
#include <memory>
#include <string>

class TimeLocale {
 public:
  // "" for the user's locale, "C" for the C locale's English.
  explicit TimeLocale(const char* name);
  ~TimeLocale();
  TimeLocale(const TimeLocale&) = delete;
  TimeLocale& operator=(const TimeLocale&) = delete;

  // The date format, as strftime takes it ("%d/%m/%Y" and the like).
  std::string DateFormat() const;
  // Month 1 to 12, in full or abbreviated, as the locale's C library spells it.
  std::string MonthName(int month, bool abbreviated) const;
  std::string Format(const char* format, const std::tm& parts) const;

 private:
  struct Handle;
  std::unique_ptr<Handle> m_handle;
};
