#pragma once
// Message boxes answered from a script, for code that speaks through Messages
// alone. Each message takes the next scripted answer; a message with nothing
// scripted fails the test. Every message is recorded.

#include "base/messages.h"

#include <deque>
#include <vector>

class FakeMessages final : public Messages {
  public:
    struct Message {
        QString text;
        QString caption;
        MsgButtons buttons;
        MsgIcon icon;
    };

    ~FakeMessages() override;

    void answerMessage(MsgAnswer answer) { answers_.push_back(answer); }
    std::vector<Message> messages;

    MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;

  private:
    std::deque<MsgAnswer> answers_;
};

// The answer a message box without a script gets: the one that changes least.
MsgAnswer unscriptedAnswer(MsgButtons buttons);
