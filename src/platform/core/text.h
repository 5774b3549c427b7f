#pragma once
// Conversions between the program's UTF-16 text and the UTF-8 the host system speaks.
#include <string>
#include <string_view>

#include "platform/core/win_types.h"

std::string ToUtf8(std::u16string_view text);
CString FromUtf8(std::string_view text);
