#pragma once
// The program's text toolbox: reads tagged values out of a text (the settings file is read
// this way) and turns numbers, dates and resource strings into text.
//
// The settings record reads its file while it is being constructed at start-up, before
// theTextUtil is; the constructor is constexpr so that theTextUtil is constant-initialized
// and usable, with its reporting switch off, before any constructor has run.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/core/win_types.h"

// A calendar date with a time of day, as the date operations read and write it.
struct DateTime {
  int m_nYear = 0;
  int m_nMonth = 0;  // 1 to 12
  int m_nDay = 0;    // 1 to 31
  int m_nHour = 0;
  int m_nMinute = 0;
  int m_nSecond = 0;
  bool m_bValid = false;
};

class CTextUtil {
 public:
  constexpr explicit CTextUtil(bool bReportMissing = false) : m_bReportMissing(bReportMissing) {}
  virtual ~CTextUtil() = default;

  // A tagged value starts right after the first occurrence of the tag and ends at the next
  // comma or line feed; with neither after it, the value is empty. A missing tag is
  // reported (when the switch is on) and gives the default.
  BOOL GetTagInt(std::u16string_view text, std::u16string_view tag, int& nValue, int nDefault) const;
  CString GetTagString(std::u16string_view text, std::u16string_view tag) const;
  BOOL GetTagHex64(std::u16string_view text, std::u16string_view tag, std::uint64_t& nValue,
                   std::uint64_t nDefault) const;
  // The text between the tag and the next end marker, commas and line feeds included.
  CString GetTagStringUntil(std::u16string_view text, std::u16string_view tag, std::u16string_view endMarker) const;
  void ReportMissingTag(std::u16string_view tag) const;

  // "%d"
  static CString IntToText(int nValue);
  // Leading white space, an optional sign, decimal digits; 0 without digits. Values beyond
  // the 32-bit range stop at its ends.
  static int TextToInt(std::u16string_view text);
  // Up to 16 digits 0-9 and A-F, most significant first, up to the first other character.
  static std::uint64_t HexToInt64(std::u16string_view text);
  // Sixteen upper-case hexadecimal digits.
  static CString Hex64ToText(std::uint64_t nValue);
  // "%.4f"
  static CString DoubleToText(double dValue);
  // Each character narrowed to its low 8 bits, then read as a C decimal floating number.
  static double TextToDouble(std::u16string_view text);
  // Three significant digits, scaled down by thousands with K, M, G or T.
  static CString FormatScaled(double dValue);

  // Day, month, year in that order, in digits or with an English month name.
  static DateTime ParseDateUK(std::u16string_view text);
  // The same in the order and month names of the user's locale.
  static DateTime ParseDateLocal(std::u16string_view text);
  // "day-month-year"
  static CString FormatDate(const DateTime& date);
  // The user's locale's date and time; empty for an invalid date.
  static CString FormatDateTimeLocal(const DateTime& date);
  // "hour:minute:second" with two-digit minutes and seconds.
  static CString FormatTime(const DateTime& time);

  // The string resource, or "STR<id>?" when there is none.
  static CString LoadResString(UINT nID);
  // The same into a caller's buffer of nBufferChars characters, always terminated; false
  // when the text had to be cut to fit.
  static bool LoadResString(UINT nID, char16_t* pBuffer, std::size_t nBufferChars);

 private:
  std::optional<std::u16string_view> FindTagValueOrReport(std::u16string_view text, std::u16string_view tag) const;

  bool m_bReportMissing;
};

extern CTextUtil theTextUtil;
