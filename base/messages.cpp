#include "base/messages.h"

#include <cstdio>

namespace {

class StderrMessages final : public Messages {
  public:
    MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon) override {
        std::fprintf(stderr, "%s: %s\n",
                     qUtf8Printable(caption.isEmpty() ? QStringLiteral("Fehler") : caption),
                     qUtf8Printable(text));
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
};

StderrMessages g_stderrMessages;
Messages* g_messages = nullptr;

} // namespace

Messages& appMessages() {
    return g_messages ? *g_messages : g_stderrMessages;
}
void setAppMessages(Messages* messages) {
    g_messages = messages;
}
