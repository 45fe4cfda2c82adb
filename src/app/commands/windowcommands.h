#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace quotella {

class AnswerPane;
class GridViewPane;
class Host;
class WindowRequests;

// The small commands of the menus: sounds, word wrap, the grid's colours and common-word
// highlight, the grid's help message, and the help pane's topics and saving.
class WindowCommands : public QObject {
  Q_OBJECT
 public:
  WindowCommands(Host& host, AnswerPane& answer, GridViewPane& gridView, const QString& programDir,
                 WindowRequests& requests);

  bool soundsOn() const { return m_soundsOn; }
  void SoundToggle1Click();
  void Wordwrap3Click();
  void HighLightCommonClick();
  void BlockColorClick();
  void Color7Click();
  void GridHelpClick();
  // Loads help topic 1 to 4 from the program directory into the help pane.
  void LoadHelpTopic(int topic);
  void SaveHelpfile1Click();

 private:
  Host& m_host;
  AnswerPane& m_answer;
  GridViewPane& m_gridView;
  const QString m_programDir;
  WindowRequests& m_requests;
  bool m_soundsOn = false;  // off at every start, never saved
  QString m_helpFileName;
  std::string m_helpRtf;
};

}  // namespace quotella
