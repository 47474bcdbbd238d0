#include "objects/textobject.h"

#include "base/cp1252.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>

namespace {
constexpr char kLineEnd = 13;
}

QStringList textLines(const QByteArray& text) {
    QStringList lines;
    QByteArray line;
    for (const char c : text) {
        if (c == kLineEnd) {
            lines << fromCp1252(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.isEmpty()) lines << fromCp1252(line);
    return lines;
}

QByteArray joinTextLines(const QStringList& lines) {
    QByteArray text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) text += kLineEnd;
        text += toCp1252(lines[i]);
    }
    return text;
}

QString memoTextOf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QStringList memoLines(const QString& memoText) {
    QStringList lines = memoText.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

DialogFont dialogFontOf(const AnnotationObject& object) {
    DialogFont font;
    font.color = object.Color;
    font.height = object.FontHeight;
    font.name = object.FontName;
    font.pitch = object.FontPitch;
    font.style = object.FontStyle;
    font.size = object.FontSize;
    return font;
}

void applyDialogFont(AnnotationObject& object, const DialogFont& font) {
    object.Color = font.color;
    object.FontHeight = font.height;
    object.FontName = font.name;
    object.FontPitch = font.pitch;
    object.FontStyle = font.style;
    object.FontSize = font.size;
}

QFont qFontOf(const DialogFont& font) {
    QFont qfont(fromCp1252(font.name));
    if (font.size > 0)
        qfont.setPointSize(font.size);
    else if (font.height < 0)
        qfont.setPixelSize(-font.height);
    qfont.setBold(font.style & StyleBold);
    qfont.setItalic(font.style & StyleItalic);
    qfont.setUnderline(font.style & StyleUnderline);
    qfont.setStrikeOut(font.style & StyleStrikeOut);
    if (font.pitch == 2) qfont.setFixedPitch(true);
    return qfont;
}

DialogFont dialogFontFrom(const QFont& qfont, ColorRef color, int dpi) {
    DialogFont font;
    font.color = color;
    font.name = toCp1252(qfont.family());
    // The height is the character height in pixels, negative; the size in points
    // follows from it as the font dialog reports both.
    const double points = qfont.pointSizeF() > 0 ? qfont.pointSizeF() : qfont.pixelSize() * 72.0 / dpi;
    font.height = -int32_t(std::lround(points * dpi / 72.0));
    font.size = int32_t(std::lround(-font.height * 72.0 / dpi));
    font.pitch = QFontInfo(qfont).fixedPitch() ? 2 : 1;
    font.style =
        uint8_t((qfont.weight() >= QFont::Bold ? StyleBold : 0) | (qfont.italic() ? StyleItalic : 0) |
                (qfont.underline() ? StyleUnderline : 0) | (qfont.strikeOut() ? StyleStrikeOut : 0));
    return font;
}

QFont fontShownInDialog(const DialogFont& font) {
    QFont shown = qFontOf(font);
    const QFontInfo drawn(shown);
    shown.setFamily(drawn.family());
    // The dialog looks the style up by name among the family's faces. Without a
    // style name it makes one from weight and slant, in the language of the
    // installed Qt translation ("Fett Kursiv"), which no face is called ("Bold
    // Oblique"), and falls back to whichever face the font list names first.
    if (QFontDatabase::styles(drawn.family()).contains(drawn.styleName()))
        shown.setStyleName(drawn.styleName());
    return shown;
}

DialogFont dialogFontChosen(const DialogFont& primed, const QFont& chosen, ColorRef color, int dpi) {
    DialogFont font = dialogFontFrom(chosen, color, dpi);
    const QFont shown = fontShownInDialog(primed);
    if (chosen.family().compare(shown.family(), Qt::CaseInsensitive) != 0) return font;
    font.name = primed.name;
    // The face the dialog opened on keeps the stored weight and slant: a family
    // without a bold or italic face draws them made up from its regular one,
    // and the dialog, which lists only real faces, shows that as "Regular".
    if (!shown.styleName().isEmpty() && chosen.styleName() == shown.styleName()) {
        constexpr uint8_t kFaceBits = StyleBold | StyleItalic;
        font.style = uint8_t((font.style & ~kFaceBits) | (primed.style & kFaceBits));
    }
    return font;
}

TextEffects textEffectsOf(const AnnotationObject& object) {
    return TextEffects{object.Outline,       object.Shadow,  object.BorderColor,
                       object.shadowColor(), object.ShadowX, object.ShadowY};
}

void applyTextEffects(AnnotationObject& object, const TextEffects& effects) {
    object.Outline = effects.outline;
    object.Shadow = effects.shadow;
    object.BorderColor = effects.outlineColor;
    object.setShadowColor(effects.shadowColor);
    object.ShadowX = effects.shadowX;
    object.ShadowY = effects.shadowY;
}
