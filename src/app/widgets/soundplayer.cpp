#include "app/widgets/soundplayer.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

// The sounds live in a static library, whose resources the linker keeps only when asked.
static void InitSoundResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(sounds);
    return true;
  }();
  (void)done;
}

namespace quotella {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
  InitSoundResources();
}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::resourcePath(const QString& name) {
  InitSoundResources();
  const QString path = QStringLiteral(":/sounds/") + name.trimmed().toUpper();
  return QFile::exists(path) ? path : QString();
}

bool SoundPlayer::play(const QString& name) {
  if (!m_enabled) return false;
  const QString path = resourcePath(name);
  if (path.isEmpty()) return false;
  QSoundEffect*& effect = m_effects[path];
  if (!effect) {
    effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
  }
  if (effect->status() == QSoundEffect::Error) return false;
  effect->play();
  return true;
}

}  // namespace quotella
