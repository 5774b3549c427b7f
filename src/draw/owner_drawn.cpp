#include "draw/owner_drawn.h"

#include "platform/core/require.h"

void ReplacePlaceholder(CWnd* pControl, CWnd* pParent, UINT nID, CRect& rcWindow, CRect& rcClient) {
  CWnd* placeholder = pParent->GetDlgItem(static_cast<int>(nID));
  // Every owner-drawn control of the program stands on an item of its template.
  PLATFORM_REQUIRE(placeholder != nullptr, "no placeholder item to replace");
  RECT rect{};
  placeholder->GetWindowRect(&rect);
  pParent->ScreenToClient(&rect);
  rcWindow = rect;
  placeholder->GetClientRect(&rect);
  rcClient = rect;
  placeholder->DestroyWindow();
  pControl->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rcWindow, pParent, nID);
  pControl->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
