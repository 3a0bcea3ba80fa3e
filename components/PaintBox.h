#pragma once
/// `TPaintBox`: a widget that its owner paints through a canvas.
#include <functional>

#include <QWidget>

namespace zk {

class TCanvas;

/// A widget that paints through a canvas: `OnPaint` draws it.
class TPaintBox : public QWidget {
public:
  /// A paint box without a handler (it paints nothing).
  explicit TPaintBox(QWidget* Parent = nullptr);

  /// Called at every paint with a canvas on the widget (client coordinates,
  /// aliased drawing, default pen, brush and font).
  std::function<void(TPaintBox& Sender, TCanvas& Canvas)> OnPaint;

protected:
  /// Calls `OnPaint` with a canvas made for this paint and dropped after it;
  /// without a handler nothing is painted.
  void paintEvent(QPaintEvent* Event) override;
};

} // namespace zk
