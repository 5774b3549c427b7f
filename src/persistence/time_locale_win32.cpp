#include "persistence/time_locale.h"

struct TimeLocale::Handle {};

TimeLocale::TimeLocale(const char*) {}

TimeLocale::~TimeLocale() = default;

std::string TimeLocale::DateFormat() const { return "%m/%d/%y"; }

std::string TimeLocale::MonthName(int month, bool abbreviated) const {
  std::tm parts{};
  parts.tm_mon = month - 1;
  return Format(abbreviated ? "%b" : "%B", parts);
}

std::string TimeLocale::Format(const char* format, const std::tm& parts) const {
  char buffer[128];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &parts);
  return std::string(buffer, length);
}
