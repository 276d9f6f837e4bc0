// The help window's topic and sub-topic clicks and the hover highlighting.
#include "help/frm_ayuda.h"

namespace filmotas::help {

void FrmAyuda::cmdTema_Click(int topic) {
  chosenTopic_ = topic;
  const Topic& chosen = help::topic(topic);
  setFrameCaption(std::string(topicCaption(topic)));
  for (int row = 1; row <= chosen.rowCount; ++row) {
    setRowCaption(row, std::string(chosen.rowCaptions[HelpWindowModel::at(row)]));
  }
  for (int row = 1; row <= kRowCount; ++row) setRowVisible(row, row <= chosen.rowCount);
  setFrameVisible(true);
  setHeight(kFullHeight);
}

// An entry the file does not have, or a row the chosen topic does not show, leaves the
// text as it was.
void FrmAyuda::cmdMarcoTema_Click(int row) {
  if (!chosenTopic_ || row > topic(*chosenTopic_).rowCount) return;
  if (const auto entry = tip(topic(*chosenTopic_).firstEntry + row - 1)) setHelpText(*entry);
}

void FrmAyuda::cmdTema_MouseMove(int topic) {
  setTopicBullet(topic, kHighlightColor);
  previewIfPrompt(std::string(topicCaption(topic)));
}

void FrmAyuda::cmdMarcoTema_MouseMove(int row) {
  setRowBullet(row, kHighlightColor);
  previewIfPrompt(model_.rowCaption(row));
}

// A preview never replaces a help entry or another preview.
void FrmAyuda::previewIfPrompt(const std::string& caption) {
  if (model_.lblAyuda == kPrompt) setHelpText(caption);
}

void FrmAyuda::Form_MouseMove() {
  for (int t = 1; t <= kTopicCount; ++t) setTopicBullet(t, kRestingColor);
  setHelpText(kPrompt);
}

void FrmAyuda::fraMarco_MouseMove() {
  for (int row = 1; row <= kRowCount; ++row) setRowBullet(row, kRestingColor);
  setHelpText(kPrompt);
}

}  // namespace filmotas::help
