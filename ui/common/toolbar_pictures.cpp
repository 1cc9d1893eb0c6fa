#include "toolbar_pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace volemo {
namespace {

// A curved shaft with a filled head at its end.
void DrawArrow(QPainter& p, const QPainterPath& shaft, const QPolygonF& head, QColor color) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(shaft);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(head);
}

void DrawSaveMidi(QPainter& p) {
  // The sheet, top left.
  p.setPen(QPen(QColor(90, 90, 90), 0.8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 0.5, 7, 8));
  p.setPen(QPen(QColor(150, 150, 150), 0.6));
  for (double y : {2.5, 4.0, 5.5}) p.drawLine(QPointF(2.8, y), QPointF(7.2, y));
  // The floppy disk, bottom right.
  p.setPen(QPen(QColor(20, 30, 80), 0.8));
  p.setBrush(QColor(50, 70, 160));
  p.drawRoundedRect(QRectF(6.5, 7.5, 8.5, 8), 0.8, 0.8);
  p.setBrush(QColor(230, 230, 235));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(8.2, 8.2, 5, 3));
  p.setBrush(QColor(30, 30, 40));
  p.drawRect(QRectF(8.8, 12.8, 4, 2.3));
  // The red arrow from the sheet bending down into the disk.
  QPainterPath arrow;
  arrow.moveTo(4.5, 6.5);
  arrow.cubicTo(4.5, 11.0, 6.0, 12.0, 8.0, 12.0);
  DrawArrow(p, arrow, QPolygonF({QPointF(10.4, 12.0), QPointF(7.2, 9.6), QPointF(7.2, 14.4)}), QColor(220, 20, 20));
}

void DrawKey(QPainter& p) {
  QLinearGradient face(0, 1, 0, 15);
  face.setColorAt(0, QColor(250, 250, 250));
  face.setColorAt(1, QColor(190, 190, 195));
  p.setPen(QPen(QColor(90, 90, 95), 1.0));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
}

void DrawDisc(QPainter& p, QColor gem) {
  QRadialGradient disc(QPointF(6, 5), 9);
  disc.setColorAt(0, QColor(235, 235, 235));
  disc.setColorAt(1, QColor(120, 120, 125));
  p.setPen(QPen(QColor(80, 80, 85), 0.8));
  p.setBrush(disc);
  p.drawEllipse(QRectF(0.8, 0.8, 14.4, 14.4));
  QRadialGradient shine(QPointF(7, 6.5), 4);
  shine.setColorAt(0, gem.lighter(170));
  shine.setColorAt(0.6, gem);
  shine.setColorAt(1, gem.darker(160));
  p.setPen(QPen(gem.darker(220), 0.6));
  p.setBrush(shine);
  QPolygonF facets({QPointF(8, 3.5), QPointF(12, 6.5), QPointF(11, 11.5), QPointF(5, 11.5),
                    QPointF(4, 6.5)});
  p.drawPolygon(facets);
}

void DrawWorkbench(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 95), 0.8));
  p.setBrush(QColor(248, 248, 250));
  p.drawRect(QRectF(0.5, 1.5, 15, 13));
  p.setPen(QPen(QColor(200, 200, 208), 0.5));
  for (double x : {4.5, 8.5, 12.5}) p.drawLine(QPointF(x, 2), QPointF(x, 14));
  p.setPen(QPen(QColor(30, 40, 60), 0.6));
  p.setBrush(QColor(70, 120, 190));
  p.drawRect(QRectF(1.5, 10, 5, 2.5));
  p.drawRect(QRectF(9, 4, 5.5, 2.5));
  p.setBrush(QColor(235, 150, 40));
  p.drawRect(QRectF(4.5, 7, 6.5, 2.5));
  // The pin at the middle note's left end.
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  p.drawLine(QPointF(5.2, 6.8), QPointF(6.3, 8.6));
  p.setBrush(QColor(200, 20, 30));
  p.drawEllipse(QPointF(4.8, 6.0), 1.5, 1.5);
}

void DrawDragOut(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 95), 0.8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0.5, 3.5, 9, 12));
  // The eighth note on the sheet.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(QPointF(4, 12.2), 2, 1.5);
  p.setPen(QPen(QColor(30, 30, 40), 0.9));
  p.drawLine(QPointF(5.8, 12), QPointF(5.8, 6));
  p.drawLine(QPointF(5.8, 6), QPointF(8, 8));
  // The green arrow from the sheet out to the top right.
  QPainterPath arrow;
  arrow.moveTo(7.5, 5.5);
  arrow.cubicTo(8.5, 2.5, 10.5, 2.0, 12.5, 2.5);
  DrawArrow(p, arrow, QPolygonF({QPointF(15.5, 3.2), QPointF(11.6, 0.2), QPointF(11.2, 5.4)}), QColor(20, 150, 60));
}

const QColor kTakeBlue(40, 80, 160);

void DrawLoop(QPainter& p) {
  const QRectF round(2.5, 3, 11, 10);
  QPainterPath ring;
  ring.arcMoveTo(round, 60);
  ring.arcTo(round, 60, 280);
  DrawArrow(p, ring, QPolygonF({QPointF(13.4, 5.4), QPointF(10.8, 9.4), QPointF(15.6, 9.6)}), kTakeBlue);
}

// Back bends to the left; forward is its mirror image.
void DrawTakeStep(QPainter& p, bool forward) {
  if (forward) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath shaft;
  shaft.moveTo(13.5, 13.5);
  shaft.cubicTo(13.5, 6.5, 9.5, 5, 5, 5);
  DrawArrow(p, shaft, QPolygonF({QPointF(1.2, 5), QPointF(5.6, 1.8), QPointF(5.6, 8.2)}), kTakeBlue);
}

void Draw(QPainter& p, ToolbarPicture picture) {
  switch (picture) {
    case ToolbarPicture::SaveMidi:
      DrawSaveMidi(p);
      break;
    case ToolbarPicture::Play:
      DrawKey(p);
      p.drawPolygon(QPolygonF({QPointF(6, 4.5), QPointF(11.5, 8), QPointF(6, 11.5)}));
      break;
    case ToolbarPicture::Stop:
      DrawKey(p);
      p.drawRect(QRectF(5, 5, 6, 6));
      break;
    case ToolbarPicture::MakeAndPlay:
      DrawDisc(p, QColor(20, 170, 60));
      break;
    case ToolbarPicture::RandomAndPlay:
      DrawDisc(p, QColor(215, 25, 30));
      break;
    case ToolbarPicture::Workbench:
      DrawWorkbench(p);
      break;
    case ToolbarPicture::DragOut:
      DrawDragOut(p);
      break;
    case ToolbarPicture::Loop:
      DrawLoop(p);
      break;
    case ToolbarPicture::TakeBack:
    case ToolbarPicture::TakeForward:
      DrawTakeStep(p, picture == ToolbarPicture::TakeForward);
      break;
  }
}

// Paints the picture at whatever size it is asked for, when it is asked
// for: nothing is drawn while the window starts.
class PictureEngine : public QIconEngine {
 public:
  explicit PictureEngine(ToolbarPicture picture) : picture_(picture) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    Draw(*painter, picture_);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);  // QIconEngine's own pixmap starts uncleared
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  // The window icon is drawn at every size offered before the window maps;
  // without a list it is drawn up to 128 pixels, all before the window's
  // first paint.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
  }
  QIconEngine* clone() const override { return new PictureEngine(picture_); }

 private:
  ToolbarPicture picture_;
};

}  // namespace

QIcon DrawToolbarPicture(ToolbarPicture picture) { return QIcon(new PictureEngine(picture)); }

}  // namespace volemo
