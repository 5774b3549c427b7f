#include <langinfo.h>
#include <locale.h>

#include "persistence/time_locale.h"

struct TimeLocale::Handle {
  locale_t locale = nullptr;
};

TimeLocale::TimeLocale(const char* name) : m_handle(std::make_unique<Handle>()) {
  m_handle->locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name, nullptr);
  if (m_handle->locale == nullptr) m_handle->locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", nullptr);
}

TimeLocale::~TimeLocale() {
  if (m_handle->locale != nullptr) freelocale(m_handle->locale);
}

std::string TimeLocale::DateFormat() const {
  return m_handle->locale != nullptr ? nl_langinfo_l(D_FMT, m_handle->locale) : "";
}

std::string TimeLocale::MonthName(int month, bool abbreviated) const {
  if (m_handle->locale == nullptr) return "";
  return nl_langinfo_l((abbreviated ? ABMON_1 : MON_1) + month - 1, m_handle->locale);
}

std::string TimeLocale::Format(const char* format, const std::tm& parts) const {
  char buffer[128];
  const std::size_t length = strftime_l(buffer, sizeof buffer, format, &parts, m_handle->locale);
  return std::string(buffer, length);
}
