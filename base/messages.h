#pragma once
// Message boxes as a seam: the application shows Qt's, tests answer from a script.
// Core code that must speak to the user (a drawing that cannot be done, say) asks
// the process-wide instance; windows get theirs handed in.

#include <QString>

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Messages {
  public:
    virtual ~Messages() = default;
    // An empty caption asks for the system's default caption.
    virtual MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons,
                              MsgIcon icon) = 0;
};

// The instance core code reports through; until one is installed, messages are
// written to standard error and answered with the first button.
Messages& appMessages();
void setAppMessages(Messages* messages);
