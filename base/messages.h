#pragma once
// Message boxes as a seam: the application shows Qt's, tests answer from a script.
// Whatever must speak to the user (a drawing that cannot be done, say) gets the
// instance to speak through handed in.

#include <QString>

// SaveDiscardCancel: "Speichern", "Verwerfen", "Abbrechen", for unsaved changes.
enum class MsgButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgAnswer { Ok, Cancel, Yes, No, Save, Discard };

class Messages {
  public:
    virtual ~Messages() = default;
    // An empty caption asks for the system's default caption.
    virtual MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons,
                              MsgIcon icon) = 0;
};

// For programs without a window: messages are written to standard error as
// "caption: text" ("Fehler" when there is no caption) and answered with the
// first button.
class StderrMessages final : public Messages {
  public:
    MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
};
