#include "frmHelpU.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace volemo {
namespace {

constexpr QSize kPictureSize(338, 160);
constexpr QSize kPictureArea(337, 169);
constexpr int kTitleHeight = 20;

QFont PictureFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

QPixmap MakeHelpPicture(QWidget& mainWindow) {
  QPixmap picture(kPictureSize);
  picture.fill(mainWindow.palette().window().color());
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);

  // A title bar like the desktop's, since grabbing the window leaves it out.
  QLinearGradient title(0, 0, kPictureSize.width(), 0);
  title.setColorAt(0, QColor(10, 36, 106));
  title.setColorAt(1, QColor(120, 160, 220));
  p.fillRect(QRect(0, 0, kPictureSize.width(), kTitleHeight), title);
  mainWindow.windowIcon().paint(&p, QRect(3, 2, 16, 16));
  p.setPen(Qt::white);
  p.setFont(PictureFont(12, true));
  p.drawText(QRect(24, 0, kPictureSize.width() - 24, kTitleHeight), Qt::AlignVCenter,
             mainWindow.windowTitle());
  const QRect content(0, 0, kPictureSize.width(), kPictureSize.height() - kTitleHeight);
  p.drawPixmap(0, kTitleHeight, mainWindow.grab(content));

  const QPen red(QColor(230, 0, 0), 2);
  if (const QWidget* play = mainWindow.findChild<QWidget*>(QStringLiteral("ToolButton4"))) {
    const QRect button(play->mapTo(&mainWindow, QPoint(0, 0)) + QPoint(0, kTitleHeight),
                       play->size());
    const QRect ring = button.adjusted(-6, -5, 6, 5);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);
    const QString label = TfrmHelp::tr("ランダム作成＆演奏ボタン");
    p.setFont(PictureFont(12, true));
    const QRect labelBox(ring.right() + 4, ring.bottom() - 2,
                         p.fontMetrics().horizontalAdvance(label) + 8, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(labelBox);
    p.setPen(QColor(230, 0, 0));
    p.drawText(labelBox, Qt::AlignCenter, label);
  }

  const QRect note(8, 102, kPictureSize.width() - 16, 52);
  p.setPen(red);
  p.setBrush(QColor(255, 255, 235));
  p.drawRect(note);
  p.setPen(Qt::black);
  p.setFont(PictureFont(12));
  p.drawText(note.adjusted(8, 4, -8, -4), Qt::AlignVCenter | Qt::TextWordWrap,
             TfrmHelp::tr("簡単に使うには、上の絵の赤丸のボタンを押してください。"
                          "ランダムにフレーズが作られて、音楽が演奏されます。"));
  return picture;
}

TfrmHelp::TfrmHelp(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("frmHelp"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  picture_ = new QLabel;
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture_->setFixedSize(kPictureArea);
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // unscaled, cut at the frame

  auto* ok = new QPushButton(QStringLiteral("OK(&O)"));
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] { Button1Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 12);
  layout->addWidget(picture_, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  layout->addStretch(1);

  // The outer size of 387 x 273 less a usual frame; the position is the
  // window's own, not centred.
  resize(379, 246);
  move(192, 107);
}

void TfrmHelp::showEvent(QShowEvent* event) {
  // Drawn from the main window as it looks when help is asked for.
  if (picture_->pixmap().isNull()) picture_->setPixmap(MakeHelpPicture(*parentWidget()));
  QDialog::showEvent(event);
}

void TfrmHelp::Button1Click() { accept(); }

}  // namespace volemo
