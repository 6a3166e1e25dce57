#pragma once

#include <QPointer>
#include <QWidget>

#include "calc/MessageService.h"

namespace calc {

// The English messages of the plain C++ libraries outside the localised table ("Do not
// insert spaces.") in the language in force; any other text comes back as it is.
QString TranslateMessageText(const std::string& text);

// Message boxes for the running program: the caption and icon as asked, an OK button,
// or Yes / No / Cancel for questions (closing the box answers Cancel). The box sits
// over the active window. The text goes through TranslateMessageText.
class QtMessageService : public IMessageService {
public:
    void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon) override;
    MsgAnswer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    MsgAnswer AskOkCancel(const std::string& text, const std::string& caption) override;
};

}  // namespace calc
