// The help window's topic and sub-topic clicks and the hover highlighting.
#include "help/frm_ayuda.h"

namespace filmotas::help {

void FrmAyuda::cmdTema_Click(int topic) {
  const Topic& chosen = help::topic(topic);
  setFrameCaption(std::string(topicCaption(topic)));
  for (int row = 1; row <= chosen.rowCount; ++row) {
    setRowCaption(row, std::string(chosen.rowCaptions[HelpWindowModel::at(row)]));
  }
  for (int row = 1; row <= kRowCount; ++row) setRowVisible(row, row <= chosen.rowCount);
  setFrameVisible(true);
  setHeight(kFullHeight);
}

namespace {

constexpr int kRowsUnderEveryTopic = 3;

}  // namespace

// The topic is read back from the frame's caption: the first topic label it equals.
// Rows 1 to 3 try all three topics, rows 4 to 8 only the first two.
std::optional<int> FrmAyuda::topicOfFrame(int row) const {
  const int candidates = row <= kRowsUnderEveryTopic ? kTopicCount : 2;
  for (int t = 1; t <= candidates; ++t) {
    if (model_.fraMarcoCaption == topicCaption(t)) return t;
  }
  return std::nullopt;
}

// An entry the file does not have leaves the text as it was.
void FrmAyuda::cmdMarcoTema_Click(int row) {
  const auto current = topicOfFrame(row);
  if (!current) return;
  if (const auto entry = tip(topic(*current).firstEntry + row - 1)) setHelpText(*entry);
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
