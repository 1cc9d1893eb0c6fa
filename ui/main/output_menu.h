// The main window's menu "出力": the built-in synthesizer, each MIDI port
// found when the menu opens, or the synthesizer and one port both; and
// whether plays into a JACK port follow the JACK transport, and whether
// plays into a port send MIDI clock. The
// choice is remembered by the port's name; a remembered port that is not
// there shows as missing, and is used again once the menu finds it back.
// The ports are asked for on a thread of their own (it may load the
// playback module, and JACK and ALSA may take their time): the menu opens
// at once with the ports last found and shows the new list when it comes.
#pragma once

#include <QMenu>
#include <QStringList>
#include <functional>
#include <optional>
#include <thread>

#include "sound_player.h"

namespace volemo {

class OutputMenu : public QMenu {
  Q_OBJECT

 public:
  // report shows a failure (UTF-8) on the status line.
  OutputMenu(std::function<SoundPlayer&()> player, std::function<void(const std::string&)> report,
             QWidget* parent = nullptr);
  ~OutputMenu() override;

  // Hands the remembered choice to the player; a port that cannot be
  // opened says why on the status line, and the synthesizer plays.
  void Apply();

 private:
  void AskForPorts();
  void Found(const QStringList& ports, const QString& failure);
  void Rebuild();
  void Choose(bool builtin, const QString& port);

  std::function<SoundPlayer&()> player_;
  std::function<void(const std::string&)> report_;
  bool builtin_ = true;
  bool followTransport_ = false;
  bool clock_ = false;
  QString port_;  // empty: none
  std::optional<QStringList> ports_;  // none until the first answer
  QString failure_;                   // why the ports could not be listed
  std::thread asking_;
};

}  // namespace volemo
