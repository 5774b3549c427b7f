#include "persistence/text_util.h"

#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/message_box.h"
#include "platform/core/resources.h"
#include "platform/core/text.h"

namespace {

// The value after the first occurrence of the tag; nothing when the tag is missing.
std::optional<std::u16string_view> FindTagValue(std::u16string_view text, std::u16string_view tag) {
  const std::size_t tagAt = text.find(tag);
  if (tagAt == std::u16string_view::npos) return std::nullopt;
  const std::size_t start = tagAt + tag.size();
  const std::size_t end = text.find_first_of(u",\n", start);
  if (end == std::u16string_view::npos) return std::u16string_view();
  return text.substr(start, end - start);
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int HexDigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

CString FromAscii(const char* text) { return FromUtf8(text); }

}  // namespace

std::optional<std::u16string_view> CTextUtil::FindTagValueOrReport(std::u16string_view text,
                                                                   std::u16string_view tag) const {
  const std::optional<std::u16string_view> value = FindTagValue(text, tag);
  if (!value) ReportMissingTag(tag);
  return value;
}

BOOL CTextUtil::GetTagInt(std::u16string_view text, std::u16string_view tag, int& nValue, int nDefault) const {
  const std::optional<std::u16string_view> value = FindTagValueOrReport(text, tag);
  nValue = value ? TextToInt(*value) : nDefault;
  return value ? TRUE : FALSE;
}

CString CTextUtil::GetTagString(std::u16string_view text, std::u16string_view tag) const {
  return CString(FindTagValueOrReport(text, tag).value_or(std::u16string_view()));
}

BOOL CTextUtil::GetTagHex64(std::u16string_view text, std::u16string_view tag, std::uint64_t& nValue,
                            std::uint64_t nDefault) const {
  const std::optional<std::u16string_view> value = FindTagValueOrReport(text, tag);
  nValue = value ? HexToInt64(*value) : nDefault;
  return value ? TRUE : FALSE;
}

CString CTextUtil::GetTagStringUntil(std::u16string_view text, std::u16string_view tag,
                                     std::u16string_view endMarker) const {
  const std::size_t tagAt = text.find(tag);
  if (tagAt == std::u16string_view::npos) {
    ReportMissingTag(tag);
    return CString();
  }
  const std::size_t start = tagAt + tag.size();
  const std::size_t end = text.find(endMarker, start);
  if (end == std::u16string_view::npos) {
    ReportMissingTag(endMarker);
    return CString();
  }
  return CString(text.substr(start, end - start));
}

void CTextUtil::ReportMissingTag(std::u16string_view tag) const {
  if (!m_bReportMissing) return;
  CString text = u"Parsing problem:\n\n";
  if (tag.empty()) {
    text += u"Unknown";
  } else {
    text += u"'";
    text += tag;
    text += u"' Not Found";
  }
  AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

CString CTextUtil::IntToText(int nValue) { return FromAscii(std::to_string(nValue).c_str()); }

int CTextUtil::TextToInt(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool bNegative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) bNegative = text[i++] == u'-';
  const std::int64_t limit = bNegative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude >= limit) {
      magnitude = limit;
      break;
    }
  }
  return static_cast<int>(bNegative ? -magnitude : magnitude);
}

std::uint64_t CTextUtil::HexToInt64(std::u16string_view text) {
  std::uint64_t nValue = 0;
  for (std::size_t i = 0; i < text.size() && i < 16; ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0) break;
    nValue = (nValue << 4) | static_cast<std::uint64_t>(digit);
  }
  return nValue;
}

CString CTextUtil::Hex64ToText(std::uint64_t nValue) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%08" PRIX32 "%08" PRIX32, static_cast<std::uint32_t>(nValue >> 32),
                static_cast<std::uint32_t>(nValue));
  return FromAscii(buffer);
}

CString CTextUtil::DoubleToText(double dValue) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.4f", dValue);
  return FromAscii(buffer);
}

double CTextUtil::TextToDouble(std::u16string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t c : text) narrow += static_cast<char>(c & 0xFF);
  return std::strtod(narrow.c_str(), nullptr);
}

CString CTextUtil::FormatScaled(double dValue) {
  char buffer[40];
  if (dValue < 1000) {
    std::snprintf(buffer, sizeof buffer, "%.3G", dValue);
    return FromAscii(buffer);
  }
  double dScaled = dValue;
  for (char suffix : {'K', 'M', 'G', 'T'}) {
    dScaled *= 0.001;
    if (dScaled < 1000) {
      std::snprintf(buffer, sizeof buffer, "%.3G%c", dScaled, suffix);
      return FromAscii(buffer);
    }
  }
  std::snprintf(buffer, sizeof buffer, "%.3G", dValue);
  return FromAscii(buffer);
}

CString CTextUtil::LoadResString(UINT nID) {
  if (const std::optional<std::u16string_view> text = FindResourceString(static_cast<int>(nID))) {
    return CString(*text);
  }
  return u"STR" + IntToText(static_cast<int>(nID)) + u"?";
}

bool CTextUtil::LoadResString(UINT nID, char16_t* pBuffer, std::size_t nBufferChars) {
  if (nBufferChars == 0) return false;
  const CString text = LoadResString(nID);
  const std::size_t nCopied = text.copy(pBuffer, nBufferChars - 1);
  pBuffer[nCopied] = u'\0';
  return nCopied == text.size();
}
