#include "panel_widgets.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace volemo {
namespace {

// Asks for the width its panels need, so that a splitter gives them that
// much at first, but can be narrowed to nothing: the panels then scroll.
class SmallScrollArea : public QScrollArea {
 public:
  QSize sizeHint() const override {
    return {widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width(), 0};
  }
  QSize minimumSizeHint() const override { return {0, 0}; }
};

}  // namespace

QSpinBox* PanelSpin(const char* name, int low, int high, const QString& suffix) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(low, high);
  spin->setSuffix(suffix);
  return spin;
}

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
