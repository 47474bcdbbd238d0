#include "support/fakemessages.h"

#include <gtest/gtest.h>

FakeMessages::~FakeMessages() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were never asked for";
}

MsgAnswer FakeMessages::message(const QString& text, const QString& caption, MsgButtons buttons,
                                MsgIcon icon) {
    messages.push_back({text, caption, buttons, icon});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << text.toStdString() << "\" (" << caption.toStdString()
                      << ")";
        return unscriptedAnswer(buttons);
    }
    const MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

MsgAnswer unscriptedAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Cancel;
    }
}
