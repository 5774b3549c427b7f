#include "draw/owner_drawn.h"

#include <cstdio>
#include <cstdlib>

void ReplacePlaceholder(CWnd* pControl, CWnd* pParent, UINT nID, CRect& rcWindow, CRect& rcClient) {
  CWnd* placeholder = pParent->GetDlgItem(static_cast<int>(nID));
  if (placeholder == nullptr) {
    // Every owner-drawn control of the program stands on an item of its template.
    std::fprintf(stderr, "no placeholder item %u to replace\n", nID);
    std::abort();
  }
  RECT rect;
  placeholder->GetWindowRect(&rect);
  pParent->ScreenToClient(&rect);
  rcWindow = rect;
  placeholder->GetClientRect(&rect);
  rcClient = rect;
  placeholder->DestroyWindow();
  pControl->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rcWindow, pParent, nID);
  pControl->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
