#pragma once
// What the text dialogs read from a text object and write back: the lines of
// its text, its font as the font dialog holds it, and its effects.

#include "objects/objectops.h"

#include <QFont>
#include <QStringList>

// The lines of `text`: a carriage return ends a line and is dropped. An empty
// text has no line, and a text ending in a carriage return no empty last line.
QStringList textLines(const QByteArray& text);
// The lines joined with one carriage return between each two, none after the last.
QByteArray joinTextLines(const QStringList& lines);

// An edit field's text for `lines`: each line followed by a line break, as a
// line added to a multi-line edit is.
QString memoTextOf(const QStringList& lines);
// The lines an edit field holds; the empty line after a final line break does
// not count as a line.
QStringList memoLines(const QString& memoText);

// The object's font as the font dialog is primed with it, its text colour `Color` included.
DialogFont dialogFontOf(const AnnotationObject& object);
// Writes the chosen font into the object: Color, FontHeight, FontName,
// FontPitch, FontStyle and FontSize. FontColor keeps the colour of the
// object's creation.
void applyDialogFont(AnnotationObject& object, const DialogFont& font);

// The font dialog's font as a QFont and back, at `dpi` pixels per inch. The
// point size decides the height, as it does in the dialog.
QFont qFontOf(const DialogFont& font);
DialogFont dialogFontFrom(const QFont& font, ColorRef color, int dpi);

// The font the dialog opens with: a family that is not installed is shown as
// the one drawn in its place, and the style by the name of the face drawn, so
// that the dialog shows what the text looks like.
QFont fontShownInDialog(const DialogFont& font);
// The dialog's answer for a dialog primed with `primed`. A family left as the
// dialog showed it keeps the stored name: confirming the size of a text in a
// missing font must not swap the font for its stand-in, on this machine and in
// the cover file that goes to another one. Likewise a face left as shown keeps
// the stored bold and italic.
DialogFont dialogFontChosen(const DialogFont& primed, const QFont& chosen, ColorRef color, int dpi);

struct TextEffects {
    bool outline = false;
    bool shadow = false;
    ColorRef outlineColor = 0;
    ColorRef shadowColor = 0;
    int32_t shadowX = 0; // image pixels, to the right
    int32_t shadowY = 0; // image pixels, downwards
};
TextEffects textEffectsOf(const AnnotationObject& object);
void applyTextEffects(AnnotationObject& object, const TextEffects& effects);
