#pragma once
// The help window frmAyuda: a modeless window without owner that shows the help texts by
// topic and sub-topic. It draws FrmAyuda's model and forwards clicks and pointer
// movements there. Keep one object for the whole run: closing only hides it, so the
// entries read at the first opening stay.
#include <QWidget>

#include "help/frm_ayuda.h"
#include "ui/help_window_layout.h"

namespace filmotas::ui {

class HelpWindow : public QWidget {
 public:
  // `folder` holds "Ayuda.dat"; `boxes` shows the missing-file message.
  HelpWindow(const DataFolder& folder, MessageBoxPort& boxes);

  // "&Ayuda": loads and shows the window; when it is already open, only brings it to
  // the front. When the help file is missing the player is told so and the window stays
  // closed.
  void open();
  // The exit operation's second step: closes the window when it is open.
  void closeIfOpen();

  const help::FrmAyuda& core() const { return core_; }
  const HelpWindowControls& controls() const { return c_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void connectClicks();
  void trackPointer();
  void drawAll();
  void draw(help::HelpControl control, int index);
  void drawRow(int row);
  void drawChosenTopic();
  void drawHeight();

  help::FrmAyuda core_;
  HelpWindowControls c_;
};

}  // namespace filmotas::ui
