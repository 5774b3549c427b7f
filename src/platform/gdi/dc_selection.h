#pragma once
// Objects selected into a device context for one scope. The context's state (the selected
// objects, colours, background mode and position) is saved when the scope opens and put
// back when it ends, so no drawing step leaves its pen, brush, font or bitmap selected
// after the object itself is gone.
#include "platform/core/require.h"
#include "platform/gdi/gdi.h"

class SelectionScope {
 public:
  // Null objects are passed on to SelectObject, which leaves that selection as it was.
  template <typename... Objects>
  explicit SelectionScope(CDC& dc, Objects*... objects) : m_dc(dc), m_savedState(dc.SaveDC()) {
    (dc.SelectObject(objects), ...);
  }
  ~SelectionScope() {
    const BOOL restored = m_dc.RestoreDC(m_savedState);
    PLATFORM_REQUIRE(restored, "a saved device context state was restored past its scope");
  }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  CDC& m_dc;
  int m_savedState;
};
