// Name entry: the length rule with its message, the emptied box and the dialog kept open,
// the characters refused as typed, the sounds, the input panel, the close box and the
// enter picture.
#include "dialogs/name_entry_dlg.h"

#include "dialog_fixture.h"

namespace {
const CString kTooLong = u"Your name must not be longer than 20 characters!";
}  // namespace

class NameEntryDlgTest : public DialogTest {
 protected:
  int Run() {
    CNameEntryDlg dlg(&m_strName);
    return dlg.DoModal();
  }

  // A refusal: the box is emptied and the dialog stays open with the panel up.
  void ExpectRefusedAndStillOpen() {
    Check([] {
      EXPECT_EQ(ItemText(IDC_NAME), u"");
      EXPECT_NE(dynamic_cast<CNameEntryDlg*>(ActiveDialog()), nullptr);
      EXPECT_TRUE(SipIsUp());
    });
  }

  std::vector<CString> MessageTexts() const {
    std::vector<CString> texts;
    for (const MessageBoxRecord& box : m_ui.MessageBoxes()) {
      EXPECT_EQ(box.type, MB_OK);
      EXPECT_EQ(box.caption, AfxGetAppName());
      texts.push_back(box.text);
    }
    return texts;
  }

  CString m_strName;
};

TEST_F(NameEntryDlgTest, TwentyCharactersOrNoneAreAcceptedAsTyped) {
  for (const CString& name : {CString(u" Twenty characters  "), CString()}) {
    m_strName = u"stale";
    m_ui.Type(name).Key(VK_RETURN);
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(m_strName, name);
    EXPECT_FALSE(SipIsUp()) << "forced down on accepting";
  }
  EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>(2, u"WAV_5"));
  EXPECT_TRUE(m_ui.MessageBoxes().empty());
}

TEST_F(NameEntryDlgTest, TwentyOneCharactersAreRefusedByKeyOrPictureUntilTheNameIsShorter) {
  m_ui.Type(u"123456789012345678901").Key(VK_RETURN).Answer(u"OK");
  ExpectRefusedAndStillOpen();
  m_ui.Type(u"This name is far too long").TapItem(IDC_ENTER_PICTURE).Answer(u"OK");
  ExpectRefusedAndStillOpen();
  m_ui.Type(u"Pic").TapItem(IDC_ENTER_PICTURE);
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(m_strName, u"Pic");
  EXPECT_EQ(MessageTexts(), std::vector<CString>(2, kTooLong));
  EXPECT_EQ(m_ui.SoundNames(), (std::vector<CString>{u"WAV_4", u"WAV_4", u"WAV_5"}));
  EXPECT_FALSE(SipIsUp());
}

TEST_F(NameEntryDlgTest, TheCloseBoxLeavesTheStringSilentlyAndThePanelUp) {
  m_ui.Type(u"Nobody").TapCloseBox();
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(m_strName, u"");
  EXPECT_TRUE(m_ui.SoundNames().empty());
  EXPECT_TRUE(SipIsUp());
}

// Refused as typed, from any keyboard: nothing goes in, the refusal cue sounds, and what
// was typed around it stays.
TEST_F(NameEntryDlgTest, CharactersTheSettingsFileCannotKeepAreNotTyped) {
  m_ui.Type(u"Smith, J<a>\u0160\u00EB");
  Check([this] {
    EXPECT_EQ(ItemText(IDC_NAME), u"Smith Ja\u00EB");
    EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>(4, u"WAV_4"));
  });
  m_ui.Key(VK_RETURN);
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(m_strName, u"Smith Ja\u00EB");
  EXPECT_TRUE(m_ui.MessageBoxes().empty());
}

TEST_F(NameEntryDlgTest, WithAudioOffTheRulesAndMessagesStayButNothingSounds) {
  theSettings.m_nAudio = 2;
  m_ui.Type(u"123456789012345678901").Key(VK_RETURN).Answer(u"OK");
  m_ui.Type(u"Qu,iet").Key(VK_RETURN);
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(m_strName, u"Quiet");
  EXPECT_EQ(MessageTexts(), std::vector<CString>{kTooLong});
  EXPECT_TRUE(m_ui.SoundNames().empty());
}
