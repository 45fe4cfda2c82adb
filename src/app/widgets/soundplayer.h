#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace quotella {

// Plays the program's wave resources by name while sounds are on. Names come in any
// case ("type0", "TYPE0"); an unknown name or a failed playback is silent.
class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  bool enabled() const { return m_enabled; }
  void setEnabled(bool on) { m_enabled = on; }

  // Returns true when a resource of that name exists and playback was started. Playback
  // never makes the caller wait: a sound asked for "synchronously" plays the same way.
  bool play(const QString& name);

  // The resource path of a sound name, empty when there is no such sound.
  static QString resourcePath(const QString& name);

 private:
  bool m_enabled = false;
  std::map<QString, QSoundEffect*> m_effects;
};

}  // namespace quotella
