// The notes' velocities as bars under the roll, at the notes' times: a bar
// pressed and dragged up or down is set where it is let go.
#pragma once

#include <QWidget>

namespace volemo {

class RollEditor;

class VelocityLane : public QWidget {
  Q_OBJECT

 public:
  explicit VelocityLane(RollEditor& editor, QWidget* parent = nullptr);
  // Low, so that the default size still shows every row of the default
  // range at a readable height.
  QSize sizeHint() const override { return {640, 24}; }
  // The bar of the roll's note: its width at the note's start, full height
  // for 127.
  QRect BarRect(int note, int velocity) const;
  int VelocityAt(int y) const;  // 1..127

 signals:
  void velocitySet(int note, int velocity);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  RollEditor& editor_;
  int dragged_ = -1;  // the note whose bar is held
  int shown_ = 0;     // its velocity as dragged
};

}  // namespace volemo
