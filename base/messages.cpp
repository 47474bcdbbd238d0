#include "base/messages.h"

#include <QCoreApplication>

#include <cstdio>

MsgAnswer StderrMessages::message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon) {
    std::fprintf(
        stderr, "%s: %s\n",
        qUtf8Printable(caption.isEmpty() ? QCoreApplication::translate("Messages", "Fehler") : caption),
        qUtf8Printable(text));
    switch (buttons) {
    case MsgButtons::YesNo:
        return MsgAnswer::Yes;
    case MsgButtons::SaveDiscardCancel:
        return MsgAnswer::Save;
    default:
        return MsgAnswer::Ok;
    }
}
