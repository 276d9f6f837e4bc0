#pragma once
// The help window frmAyuda without its widgets: the help entry list, the load, and the
// topic navigation with its hover highlighting. The Qt window forwards its events here
// and draws model(); it holds no rule of its own.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/data_folder.h"
#include "engine/ports.h"
#include "help/help_window_model.h"

namespace filmotas::help {

inline constexpr const char* kMissingHelpText =
    "No se encontró el archivo de ayuda.\r\n\r\nVuelva a instalar el programa.";
inline constexpr const char* kMissingHelpTitle = "Error";

class FrmAyuda {
 public:
  using Observer = std::function<void(HelpControl, int index)>;

  // `folder` is where "Ayuda.dat" lies. Keep one object for the
  // whole run: the entries it has read outlive every closing of the window.
  FrmAyuda(DataFolder folder, MessageBoxPort& boxes);

  const HelpWindowModel& model() const { return model_; }
  // Told of every value that changes, after it has changed. Draw the whole model once
  // when the window opens; from then on the observer says what to redraw.
  void setObserver(Observer observer) { observer_ = std::move(observer); }

  // Runs at every opening, before the window is shown: puts every control back to its
  // design value, hides the frame, makes the window 2000 twips high and reads the help
  // file. When the file is missing or unreadable it shows the missing-file box and
  // returns false: the window must then close without being shown.
  bool Form_Load();

  // Puts every control back to its design value and forgets the chosen topic; colTips
  // is kept.
  void restoreDesign();

  // Appends every line of the file at `sFile` to colTips; false, and colTips as it
  // was, when the path is empty, names no ordinary file or cannot be read.
  bool LoadTips(const std::string& sFile);
  const std::vector<std::string>& colTips() const { return colTips_; }   // UTF-8
  // Entry `position` (from 1); nullopt beyond the end of the list.
  std::optional<std::string> tip(int position) const;

  // Events; `topic` is 1–3, `row` 1–8.
  void cmdTema_Click(int topic);
  void cmdMarcoTema_Click(int row);
  void cmdTema_MouseMove(int topic);
  void cmdMarcoTema_MouseMove(int row);
  void Form_MouseMove();     // the window's own surface, topic bullets included
  void fraMarco_MouseMove(); // the frame's own surface, sub-topic bullets included

 private:
  void previewIfPrompt(const std::string& caption);

  void setFrameCaption(const std::string& caption);
  void setFrameVisible(bool visible);
  void setRowCaption(int row, const std::string& caption);
  void setRowVisible(int row, bool visible);
  void setTopicBullet(int topic, std::uint32_t color);
  void setRowBullet(int row, std::uint32_t color);
  void setHelpText(const std::string& text);
  void setHeight(int twips);

  DataFolder folder_;
  MessageBoxPort& boxes_;
  std::vector<std::string> colTips_;
  std::optional<int> chosenTopic_;   // none until a topic is chosen after the opening
  HelpWindowModel model_;
  Observer observer_;
};

}  // namespace filmotas::help
