#pragma once
// Records the message boxes shown while it lives and answers each with a scripted button;
// the presenter in force before comes back at the end.
#include <vector>

#include "platform/core/message_box.h"

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int nAnswer = IDOK);
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  // The button that the following boxes are answered with.
  void SetAnswer(int nAnswer) { m_nAnswer = nAnswer; }
  const std::vector<MessageBoxRequest>& Requests() const { return m_requests; }

 private:
  int m_nAnswer;
  std::vector<MessageBoxRequest> m_requests;
  MessageBoxPresenter m_previous;
};
