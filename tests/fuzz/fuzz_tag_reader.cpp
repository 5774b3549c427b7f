// Feeds arbitrary text and tags to the tag reader. The first input byte gives the tag's
// length; the tag and the text follow, two bytes per character so that characters above
// U+00FF and lone surrogates come through too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "persistence/text_util.h"
#include "platform/core/message_box.h"

constinit CTextUtil theTextUtil;

namespace {

CString Characters(const std::uint8_t* data, std::size_t size) {
  CString text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  return text;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

int missingReports = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const bool presenterInstalled = [] {
    SetMessageBoxPresenter([](const MessageBoxRequest&) {
      ++missingReports;
      return IDOK;
    });
    return true;
  }();
  (void)presenterInstalled;

  const std::size_t tagBytes = std::min<std::size_t>(2 * (data[0] % 16), size - 1);
  const CString tag = Characters(data + 1, tagBytes);
  const CString text = Characters(data + 1 + tagBytes, size - 1 - tagBytes);

  int nValue = 0;
  const bool bFoundInt = theTextUtil.GetTagInt(text, tag, nValue, -12345);
  const CString value = theTextUtil.GetTagString(text, tag);
  const bool bFound = text.find(tag) != CString::npos;

  // A found value lies in the text right after the first occurrence of the tag and holds
  // no delimiter; its number is what the number reader makes of it.
  Require(bFoundInt == bFound);
  Require(value.find_first_of(u",\n") == CString::npos);
  if (bFound) {
    const std::size_t start = text.find(tag) + tag.size();
    Require(text.compare(start, value.size(), value) == 0);
    Require(nValue == CTextUtil::TextToInt(value));
  } else {
    Require(value.empty() && nValue == -12345);
  }

  std::uint64_t nHex = 0;
  theTextUtil.GetTagHex64(text, tag, nHex, 7);
  Require(bFound || nHex == 7);
  theTextUtil.GetTagStringUntil(text, tag, u",");

  // With the reporting switch on, only a missing tag is reported, once per lookup.
  const CTextUtil reporting(true);
  missingReports = 0;
  reporting.GetTagInt(text, tag, nValue, 0);
  reporting.GetTagString(text, tag);
  Require(missingReports == (bFound ? 0 : 2));

  Require(CTextUtil::TextToInt(CTextUtil::IntToText(nValue)) == nValue);
  return 0;
}
