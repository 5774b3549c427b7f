#include "platform/core/message_box.h"

#include <gtest/gtest.h>

TEST(MessageBox, StandardBoxIsCaptionedWithTheApplicationName) {
  MessageBoxRequest seen;
  MessageBoxPresenter previous = SetMessageBoxPresenter([&](const MessageBoxRequest& request) {
    seen = request;
    return IDOK;
  });
  EXPECT_EQ(AfxMessageBox(u"Something failed"), IDOK);
  EXPECT_EQ(seen.caption, u"Tumbla");
  EXPECT_EQ(seen.text, u"Something failed");
  EXPECT_EQ(seen.type, MB_OK);
  SetMessageBoxPresenter(previous);
}

TEST(MessageBox, WithoutPresenterAQuestionIsAnsweredNo) {
  MessageBoxPresenter previous = SetMessageBoxPresenter(nullptr);
  EXPECT_EQ(MessageBoxW(nullptr, u"Sure?", u"Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(AfxMessageBox(u"Note"), IDOK);
  SetMessageBoxPresenter(previous);
}
