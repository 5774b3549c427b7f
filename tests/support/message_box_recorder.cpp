#include "support/message_box_recorder.h"

#include <utility>

MessageBoxRecorder::MessageBoxRecorder(int nAnswer)
    : m_nAnswer(nAnswer), m_previous(SetMessageBoxPresenter([this](const MessageBoxRequest& request) {
        m_requests.push_back(request);
        return m_nAnswer;
      })) {}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxPresenter(std::move(m_previous)); }
