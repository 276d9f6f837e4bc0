#pragma once
// The statistics window frmEstadisticas without its widgets: it reads the player's record
// at every opening, gives the texts of its figures, its chart and its tables, and clears
// the record when the player asks and confirms.
#include <array>
#include <string>

#include "engine/ports.h"
#include "files/data_folder.h"
#include "history/record_summary.h"

namespace filmotas {

inline constexpr const char* kStatisticsTitle = "Estadísticas";
inline constexpr const char* kClearTitle = "Borrar historial";

// The labels, each with its exact text; `unreadable` is empty when every line was read.
struct Figures {
  std::string played, won, currentStreak, bestStreak, abandoned, unreadable;
};

class FrmEstadisticas {
 public:
  FrmEstadisticas(DataFolder folder, MessageBoxPort& boxes) : folder_(std::move(folder)), boxes_(boxes) {}

  // Reads the record; a failure is shown in the general error box and leaves it empty.
  void Form_Load();
  const RecordSummary& summary() const { return summary_; }

  // "Borrar historial": asks once; true when the record was emptied. On a failure the
  // player is told and the record stays as it was.
  bool cmdBorrar_Click();

 private:
  DataFolder folder_;
  MessageBoxPort& boxes_;
  RecordSummary summary_;
};

Figures figuresOf(const RecordSummary& summary);

// Under each bar: "0 fallos", "1 fallo" … "4 fallos", "Perdidas".
const std::array<std::string, kChartBars>& barCaptions();

// The chart's counts in words, for a screen reader.
std::string chartDescription(const RecordSummary& summary);

// A result as the table shows it: "Ganada", "Perdida", "Acertada", "Fallada", "Abandonada".
std::string shownResult(GameResult result);

}  // namespace filmotas
