#include "print/drawvcart.h"

// Interim: draws nothing until the renderer lands.
void DrawVCart(QPainter&, int, int, double, const ObjectTable&, const LabelRenderSettings&) {}
