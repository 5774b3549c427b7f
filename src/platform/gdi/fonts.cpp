// The font objects and the stock font.
#include <algorithm>
#include <cctype>
#include <mutex>

#include "platform/core/text.h"
#include "platform/gdi/dc_state.h"
#include "platform/gdi/font_face.h"

bool SameFamilyName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT* description) {
  PLATFORM_REQUIRE(description->lfEscapement == 0 || description->lfEscapement == 900, "font escapement");
  const std::size_t length = std::find(std::begin(description->lfFaceName), std::end(description->lfFaceName), u'\0') -
                             std::begin(description->lfFaceName);
  FontRequest request;
  request.family = ToUtf8(std::u16string_view(description->lfFaceName, length));
  request.height = description->lfHeight;
  request.bold = description->lfWeight >= 600;
  std::shared_ptr<const FontFace> face = FontFace::Open(request);
  if (!face) return FALSE;
  m_face = std::move(face);
  m_escapement = description->lfEscapement;
  m_created = true;
  return TRUE;
}

CFont* StockFont() {
  static CFont font;
  static std::once_flag created;
  std::call_once(created, [] {
    LOGFONT description{};
    description.lfHeight = 12;
    description.lfWeight = FW_NORMAL;
    for (const char16_t* family : {u"Tahoma", u"Helvetica"}) {
      std::char_traits<char16_t>::copy(description.lfFaceName, family, std::char_traits<char16_t>::length(family));
      if (font.CreateFontIndirect(&description)) break;
    }
  });
  return &font;
}
