#include "output_menu.h"

#include <QSettings>

#include "error_boundary.h"
#include "port_player.h"

namespace volemo {
namespace {

QSettings Stored() { return QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")); }

}  // namespace

OutputMenu::OutputMenu(std::function<SoundPlayer&()> player, std::function<void(const std::string&)> report,
                       QWidget* parent)
    : QMenu(tr("出力(&O)"), parent), player_(std::move(player)), report_(std::move(report)) {
  setObjectName(QStringLiteral("mnuOutput"));
  const QSettings stored = Stored();
  port_ = stored.value(QStringLiteral("output/port")).toString();
  builtin_ = stored.value(QStringLiteral("output/builtin"), true).toBool() || port_.isEmpty();
  connect(this, &QMenu::aboutToShow, this, Handler([this] {
    Rebuild();
    AskForPorts();
  }));
}

OutputMenu::~OutputMenu() {
  if (asking_.joinable()) asking_.join();
}

void OutputMenu::AskForPorts() {
  if (asking_.joinable()) return;  // an answer is on its way
  asking_ = std::thread([this] {
    QStringList ports;
    QString failure;
    try {
      for (const std::string& port : MidiPorts()) ports << QString::fromStdString(port);
    } catch (const PlayerError& e) {
      failure = QString::fromStdString(e.what());
    }
    // Runs on the window's thread; dropped with the menu if it is gone.
    QMetaObject::invokeMethod(this, Handler([this, ports, failure] { Found(ports, failure); }), Qt::QueuedConnection);
  });
}

void OutputMenu::Found(const QStringList& ports, const QString& failure) {
  asking_.join();
  ports_ = ports;
  failure_ = failure;
  Rebuild();
}

void OutputMenu::Apply() {
  try {
    player_().SetOutput(builtin_, port_.toStdString());
  } catch (const PlayerError& e) {
    report_(e.what());
  }
}

void OutputMenu::Rebuild() {
  clear();
  QAction* builtin = addAction(tr("内蔵シンセ"));
  builtin->setObjectName(QStringLiteral("mnuOutBuiltin"));
  builtin->setCheckable(true);
  builtin->setChecked(builtin_);
  // Off only while a port plays: something always sounds.
  connect(builtin, &QAction::triggered, this, Handler([this] { Choose(!builtin_ || port_.isEmpty(), port_); }));
  addSeparator();
  if (!ports_) {
    addAction(tr("（MIDI ポートを探しています…）"))->setEnabled(false);
    return;
  }
  const QStringList& ports = *ports_;
  if (!failure_.isEmpty()) addAction(failure_)->setEnabled(false);
  for (const QString& port : ports) {
    QAction* item = addAction(port);
    item->setObjectName(QStringLiteral("mnuOutPort"));
    item->setCheckable(true);
    item->setChecked(port == port_);
    connect(item, &QAction::triggered, this,
            Handler([this, port] { port == port_ ? Choose(true, {}) : Choose(builtin_, port); }));
  }
  if (!port_.isEmpty() && !ports.contains(port_)) {
    QAction* missing = addAction(port_ + tr("（見つかりません）"));
    missing->setCheckable(true);
    missing->setChecked(true);
    missing->setEnabled(false);
  } else if (ports.isEmpty()) {
    addAction(tr("（MIDI ポートがありません）"))->setEnabled(false);
  }
  // The remembered port is back: plays go to it again.
  if (!port_.isEmpty() && ports.contains(port_) && player_().OutputPort() != port_.toStdString()) Apply();
}

void OutputMenu::Choose(bool builtin, const QString& port) {
  builtin_ = builtin || port.isEmpty();
  port_ = port;
  QSettings stored = Stored();
  stored.setValue(QStringLiteral("output/builtin"), builtin_);
  stored.setValue(QStringLiteral("output/port"), port_);
  Apply();
}

}  // namespace volemo
