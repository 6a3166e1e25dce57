#include "calc/MessageService.h"

namespace calc {

void RecordingMessageService::ShowMessage(const std::string& text, const std::string& caption,
                                          MsgIcon icon) {
    messages_.push_back({text, caption, icon, false});
}

MsgAnswer RecordingMessageService::AskYesNoCancel(const std::string& text,
                                                  const std::string& caption) {
    messages_.push_back({text, caption, MsgIcon::Question, true});
    if (answers_.empty()) return MsgAnswer::Yes;
    const MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

MsgAnswer RecordingMessageService::AskOkCancel(const std::string& text,
                                               const std::string& caption) {
    const MsgAnswer answer = AskYesNoCancel(text, caption);
    return answer == MsgAnswer::Yes || answer == MsgAnswer::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

std::vector<std::string> RecordingMessageService::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(messages_.size());
    for (const RecordedMessage& m : messages_) texts.push_back(m.text);
    return texts;
}

RecordedMessage RecordingMessageService::Last() const {
    return messages_.empty() ? RecordedMessage{} : messages_.back();
}

}  // namespace calc
