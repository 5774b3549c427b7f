#include <algorithm>

#include "platform/gdi/gdi.h"

void Surface::Fill(COLORREF color) {
  if (m_pixels.empty()) {
    m_fill = color;
  } else {
    std::fill(m_pixels.begin(), m_pixels.end(), color);
  }
  MarkChanged();
}

void Surface::Materialize() {
  const std::size_t count = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
  if (m_fill == 0) {
    m_pixels = std::vector<COLORREF>(count);  // zeroes are cleared by the library in bulk
  } else {
    m_pixels.assign(count, m_fill);
  }
  m_solidRow = {};
}

const COLORREF* Surface::SolidRow() const {
  if (m_solidRow.empty() || m_solidRow.front() != m_fill) m_solidRow.assign(static_cast<std::size_t>(m_width), m_fill);
  return m_solidRow.data();
}
