#include "platform/core/message_box.h"

#include <cstdio>
#include <utility>

#include "platform/core/text.h"

namespace {

MessageBoxPresenter& Presenter() {
  static MessageBoxPresenter presenter;
  return presenter;
}

CString& AppName() {
  static CString name = u"Tumbla";
  return name;
}

}  // namespace

int ReportOnStandardError(const MessageBoxRequest& request) {
  std::fprintf(stderr, "%s: %s\n", ToUtf8(request.caption).c_str(), ToUtf8(request.text).c_str());
  return (request.type & 0xF) == MB_YESNO ? IDNO : IDOK;
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  return std::exchange(Presenter(), std::move(presenter));
}

int MessageBoxW(HWND, const CString& text, const CString& caption, UINT type) {
  MessageBoxRequest request{text, caption, type};
  const MessageBoxPresenter& presenter = Presenter();
  return presenter ? presenter(request) : ReportOnStandardError(request);
}

int AfxMessageBox(const CString& text, UINT type) { return MessageBoxW(nullptr, text, AppName(), type); }

void SetAppName(const CString& name) { AppName() = name; }

const CString& AfxGetAppName() { return AppName(); }
