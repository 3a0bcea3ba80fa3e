#pragma once
/// `TPaintBox`: a widget that its owner paints through a canvas.
#include <functional>

#include <QWidget>

namespace zk {

class TCanvas;

class TPaintBox : public QWidget {
public:
  explicit TPaintBox(QWidget* Parent = nullptr);

  /// Called at every paint with a canvas on the widget (client coordinates,
  /// aliased drawing, default pen, brush and font).
  std::function<void(TPaintBox& Sender, TCanvas& Canvas)> OnPaint;

protected:
  void paintEvent(QPaintEvent* Event) override;
};

} // namespace zk
