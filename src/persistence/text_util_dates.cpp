// The date operations of the text toolbox, in the user's locale (time_locale.h).
#include <array>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "persistence/text_util.h"
#include "persistence/time_locale.h"
#include "platform/core/text.h"

namespace {

enum class Field { Day, Month, Year };
using FieldOrder = std::array<Field, 3>;

constexpr FieldOrder kDayMonthYear = {Field::Day, Field::Month, Field::Year};

// The order of day, month and year in the locale's date format ("%d/%m/%Y" and the like).
FieldOrder OrderOf(const std::string& format) {
  FieldOrder order{};
  std::size_t found = 0;
  for (std::size_t i = 0; i + 1 < format.size() && found < 3; ++i) {
    if (format[i] != '%') continue;
    const char conversion = format[++i];
    if (conversion == 'D') return {Field::Month, Field::Day, Field::Year};
    if (conversion == 'F') return {Field::Year, Field::Month, Field::Day};
    if (conversion == 'd' || conversion == 'e') order[found++] = Field::Day;
    if (conversion == 'm' || conversion == 'b' || conversion == 'B' || conversion == 'h') order[found++] = Field::Month;
    if (conversion == 'y' || conversion == 'Y') order[found++] = Field::Year;
  }
  return found == 3 ? order : kDayMonthYear;
}

// Full and abbreviated names: index % 12 is the month - 1.
std::vector<CString> MonthNames(const TimeLocale& locale) {
  std::vector<CString> names;
  names.reserve(24);
  for (int month = 1; month <= 12; ++month) names.push_back(FromUtf8(locale.MonthName(month, false)));
  for (int month = 1; month <= 12; ++month) names.push_back(FromUtf8(locale.MonthName(month, true)));
  return names;
}

char16_t FoldCase(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameWord(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

int MonthByName(std::u16string_view word, const std::vector<CString>& names) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!names[i].empty() && SameWord(word, names[i])) return static_cast<int>(i % 12) + 1;
  }
  return 0;
}

bool IsSeparator(char16_t c) { return c == u' ' || c == u'\t' || c == u'/' || c == u'-' || c == u'.' || c == u','; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::vector<std::u16string_view> SplitDate(std::u16string_view text) {
  std::vector<std::u16string_view> parts;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsSeparator(text[i])) {
      ++i;
      continue;
    }
    const bool bDigits = IsDigit(text[i]);
    const std::size_t start = i;
    while (i < text.size() && !IsSeparator(text[i]) && IsDigit(text[i]) == bDigits) ++i;
    parts.push_back(text.substr(start, i - start));
  }
  return parts;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool bLeap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && bLeap ? 29 : kDays[month - 1];
}

// A year written with one or two digits falls in 1930 to 2029.
int FullYear(std::u16string_view digits, int value) {
  if (digits.size() > 2) return value;
  return value < 30 ? 2000 + value : 1900 + value;
}

DateTime ParseDate(std::u16string_view text, const FieldOrder& order, const std::vector<CString>& monthNames) {
  DateTime date;
  const std::vector<std::u16string_view> parts = SplitDate(text);
  if (parts.size() != 3) return date;

  int nNamedMonth = 0;
  std::vector<std::u16string_view> numbers;
  for (std::u16string_view part : parts) {
    if (IsDigit(part[0])) {
      if (part.size() > 4) return date;
      numbers.push_back(part);
    } else {
      if (nNamedMonth != 0) return date;
      nNamedMonth = MonthByName(part, monthNames);
      if (nNamedMonth == 0) return date;
    }
  }

  std::size_t next = 0;
  for (Field field : order) {
    if (field == Field::Month && nNamedMonth != 0) {
      date.m_nMonth = nNamedMonth;
      continue;
    }
    const std::u16string_view digits = numbers[next++];
    const int value = CTextUtil::TextToInt(digits);
    if (field == Field::Day) date.m_nDay = value;
    if (field == Field::Month) date.m_nMonth = value;
    if (field == Field::Year) date.m_nYear = FullYear(digits, value);
  }
  date.m_bValid = date.m_nYear >= 100 && date.m_nYear <= 9999 && date.m_nMonth >= 1 && date.m_nMonth <= 12 &&
                  date.m_nDay >= 1 && date.m_nDay <= DaysInMonth(date.m_nYear, date.m_nMonth);
  return date;
}

CString Format(const char* format, int a, int b, int c) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return FromUtf8(buffer);
}

}  // namespace

DateTime CTextUtil::ParseDateUK(std::u16string_view text) {
  const TimeLocale english("C");
  return ParseDate(text, kDayMonthYear, MonthNames(english));
}

DateTime CTextUtil::ParseDateLocal(std::u16string_view text) {
  const TimeLocale user("");
  return ParseDate(text, OrderOf(user.DateFormat()), MonthNames(user));
}

CString CTextUtil::FormatDate(const DateTime& date) {
  return Format("%d-%d-%d", date.m_nDay, date.m_nMonth, date.m_nYear);
}

CString CTextUtil::FormatTime(const DateTime& time) {
  return Format("%d:%02d:%02d", time.m_nHour, time.m_nMinute, time.m_nSecond);
}

CString CTextUtil::FormatDateTimeLocal(const DateTime& date) {
  if (!date.m_bValid) return CString();
  std::tm parts{};
  parts.tm_year = date.m_nYear - 1900;
  parts.tm_mon = date.m_nMonth - 1;
  parts.tm_mday = date.m_nDay;
  parts.tm_hour = date.m_nHour;
  parts.tm_min = date.m_nMinute;
  parts.tm_sec = date.m_nSecond;
  parts.tm_isdst = -1;
  return FromUtf8(TimeLocale("").Format("%x %X", parts));
}
