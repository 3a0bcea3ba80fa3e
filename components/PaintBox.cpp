#include "components/PaintBox.h"

#include "qt/QtCanvas.h"

namespace zk {

TPaintBox::TPaintBox(QWidget* Parent) : QWidget(Parent) {}

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  TQtCanvas Canvas(*static_cast<QPaintDevice*>(this));
  OnPaint(*this, Canvas);
}

} // namespace zk
