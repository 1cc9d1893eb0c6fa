#include "version_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui_benri.h"

namespace volemo {

void ShowVersionBox(QWidget* owner) {
  QDialog box(owner);
  box.setObjectName(QStringLiteral("VersionBox"));
  box.setWindowTitle(ApplicationTitle());
  auto* text = new QLabel(QCoreApplication::translate("volemo::VersionBox", "Volemo - ランダムフレーズメイカー\nバージョン %1")
                              .arg(QStringLiteral(VOLEMO_VERSION)));
  text->setWordWrap(true);
  text->setMinimumWidth(240);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);  // Enter presses OK; Esc closes the box as any dialog does
  QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(text);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  box.adjustSize();
  if (const QScreen* screen = box.screen())
    box.move(screen->availableGeometry().center() - box.rect().center());
  RunModal(box);
}

}  // namespace volemo
