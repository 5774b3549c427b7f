#include "draw/solid_layer.h"

#include "draw/painter.h"

void PaintSolidLayer(COffscreenBuffer& buffer, int nLayer, const RECT& rect, COLORREF color) {
  thePainter.SetTarget(buffer.GetLayerDC(nLayer));
  thePainter.FillRect(rect, color);
}
