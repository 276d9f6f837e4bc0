// The help window's load, its entry list and the setters through which every control
// value changes.
#include "help/frm_ayuda.h"

#include "help/help_file.h"

namespace filmotas::help {

FrmAyuda::FrmAyuda(DataFolder folder, MessageBoxPort& boxes)
    : folder_(std::move(folder)), boxes_(boxes) {}

bool FrmAyuda::Form_Load() {
  restoreDesign();
  setFrameVisible(false);
  setHeight(kCompactHeight);
  if (LoadTips(folder_.path(kHelpFile))) return true;
  boxes_.show(kMissingHelpText, kMissingHelpTitle, box::kCritical);
  return false;
}

void FrmAyuda::restoreDesign() {
  chosenTopic_.reset();
  const HelpWindowModel design;
  setFrameCaption(design.fraMarcoCaption);
  setFrameVisible(design.fraMarcoVisible);
  for (int row = 1; row <= kRowCount; ++row) {
    setRowCaption(row, design.rowCaption(row));
    setRowVisible(row, design.isRowVisible(row));
    setRowBullet(row, design.rowBullet(row));
  }
  for (int topic = 1; topic <= kTopicCount; ++topic) setTopicBullet(topic, design.topicBullet(topic));
  setHelpText(design.lblAyuda);
  setHeight(design.height);
}

// Each successful reading appends behind what earlier openings read, so positions keep
// the texts of the first one.
bool FrmAyuda::LoadTips(const std::string& sFile) {
  auto lines = readHelpFile(sFile);
  if (!lines) return false;
  colTips_.insert(colTips_.end(), std::make_move_iterator(lines->begin()),
                  std::make_move_iterator(lines->end()));
  return true;
}

std::optional<std::string> FrmAyuda::tip(int position) const {
  if (position < 1 || static_cast<std::size_t>(position) > colTips_.size()) return std::nullopt;
  return colTips_[static_cast<std::size_t>(position - 1)];
}

// ---- Setters: store the value and tell the observer when it changed ----------------

namespace {

template <typename T>
bool assign(T& slot, const T& value) {
  if (slot == value) return false;
  slot = value;
  return true;
}

}  // namespace

void FrmAyuda::setFrameCaption(const std::string& caption) {
  if (assign(model_.fraMarcoCaption, caption) && observer_) observer_(HelpControl::fraMarcoCaption, 0);
}

void FrmAyuda::setFrameVisible(bool visible) {
  if (assign(model_.fraMarcoVisible, visible) && observer_) observer_(HelpControl::fraMarcoVisible, 0);
}

void FrmAyuda::setRowCaption(int row, const std::string& caption) {
  if (assign(model_.lblMarcoTema[HelpWindowModel::at(row)], caption) && observer_) {
    observer_(HelpControl::lblMarcoTema, row);
  }
}

void FrmAyuda::setRowVisible(int row, bool visible) {
  if (assign(model_.rowVisible[HelpWindowModel::at(row)], visible) && observer_) {
    observer_(HelpControl::marcoTemaRow, row);
  }
}

void FrmAyuda::setTopicBullet(int topic, std::uint32_t color) {
  if (assign(model_.shpTema[HelpWindowModel::at(topic)], color) && observer_) {
    observer_(HelpControl::shpTema, topic);
  }
}

void FrmAyuda::setRowBullet(int row, std::uint32_t color) {
  if (assign(model_.shpMarcoTema[HelpWindowModel::at(row)], color) && observer_) {
    observer_(HelpControl::shpMarcoTema, row);
  }
}

void FrmAyuda::setHelpText(const std::string& text) {
  if (assign(model_.lblAyuda, text) && observer_) observer_(HelpControl::lblAyuda, 0);
}

void FrmAyuda::setHeight(int twips) {
  if (assign(model_.height, twips) && observer_) observer_(HelpControl::height, 0);
}

}  // namespace filmotas::help
