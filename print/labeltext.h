#pragma once
// Text objects of the label renderer: notes, shadows, outlines, formatted and
// rotated text. Called by paintAnnotations in render mode.

#include "document/annotationobject.h"
#include "print/annotationpainter.h"

#include <QFont>

class QPainter;

// The character height in device pixels: FontSize image pixels at the scale,
// corrected by the font dialog's resolution against the screen's.
int textCharacterHeight(const AnnotationObject& object, double scale, const LabelRenderSettings& settings);

// The object's font with a character (em) height of `height` pixels.
QFont textFont(const AnnotationObject& object, int height);

void drawTextObject(QPainter& canvas, const AnnotationObject& object, int offsetX, int offsetY, double scale,
                    const LabelRenderSettings& settings);
