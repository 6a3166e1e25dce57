#pragma once

#include <deque>
#include <string>
#include <vector>

namespace calc {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };

// Answer of a Yes/No/Cancel question; None is "no answer" (nothing was asked).
enum class MsgAnswer { None = 0, Yes, No, Cancel, Ok };

// How calculator code tells the machinist something. The program shows message boxes
// (OK, or Yes/No/Cancel); tests record the messages and answer from a queue.
class IMessageService {
public:
    virtual ~IMessageService() = default;
    // A message with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon) = 0;
    // A question with Yes, No and Cancel buttons; closing the box counts as Cancel.
    virtual MsgAnswer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
    // A question with OK and Cancel buttons: Ok or Cancel (closing the box counts as Cancel).
    virtual MsgAnswer AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

struct RecordedMessage {
    std::string text;
    std::string caption;
    MsgIcon icon = MsgIcon::None;
    bool question = false;  // asked through AskYesNoCancel

    bool operator==(const RecordedMessage&) const = default;
};

// Records every message and question in order. Questions take their answers from
// the queue filled with QueueAnswer, and answer Yes when it is empty.
class RecordingMessageService : public IMessageService {
public:
    void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon) override;
    MsgAnswer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    // Answers Ok when the queue is empty (a queued Yes counts as Ok).
    MsgAnswer AskOkCancel(const std::string& text, const std::string& caption) override;

    void QueueAnswer(MsgAnswer answer) { answers_.push_back(answer); }

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    // Just the texts, in order: handy for EXPECT_EQ against a list.
    std::vector<std::string> Texts() const;
    bool Empty() const { return messages_.empty(); }
    std::size_t Count() const { return messages_.size(); }
    // The last message; an empty record when there is none.
    RecordedMessage Last() const;
    void Clear() { messages_.clear(); }

private:
    std::vector<RecordedMessage> messages_;
    std::deque<MsgAnswer> answers_;
};

}  // namespace calc
