#include "panel_scroll.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace volemo {
namespace {

class SmallScrollArea : public QScrollArea {
 public:
  QSize sizeHint() const override { return {0, 0}; }
  QSize minimumSizeHint() const override { return {0, 0}; }
};

}  // namespace

QWidget* InScrollArea(std::initializer_list<QWidget*> panels) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* panel : panels) layout->addWidget(panel);
  layout->addStretch(1);
  auto* area = new SmallScrollArea;
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(column);
  return area;
}

}  // namespace volemo
