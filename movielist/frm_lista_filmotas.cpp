// The list window's operations.
#include "movielist/frm_lista_filmotas.h"

#include <algorithm>

#include "files/whole_file.h"
#include "files/windows1252.h"
#include "movielist/frm_agregar.h"
#include "movielist/list_export.h"
#include "movielist/list_filter.h"
#include "movielist/list_import.h"
#include "movielist/list_rewrite.h"
#include "movielist/title_entry.h"

namespace filmotas {

namespace {

constexpr const char* kBlankTitleText = "El título no puede quedar vacío ni tener solo espacios.";
constexpr const char* kRefusedTitleText =
    "El título admite como mucho 50 caracteres, sin saltos de línea y que se puedan guardar.";

std::string removeQuestion(std::size_t count) {
  return count == 1 ? "¿Quitar 1 filmota de la lista?"
                    : "¿Quitar " + std::to_string(count) + " filmotas de la lista?";
}

}  // namespace

FrmListaFilmotas::FrmListaFilmotas(GameLink& game, MessageBoxPort& boxes)
    : game_(game), boxes_(boxes) {}

void FrmListaFilmotas::Form_Load() {
  try {
    reload();
  } catch (const Failure& f) {
    list_ = ListSnapshot();
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
  }
}

// The list as the file holds it now; the game counts the same whole records.
void FrmListaFilmotas::reload() {
  list_ = ListSnapshot::read(game_.dataFolder().path(kMovieListFile));
  duplicatesKnown_ = false;
  game_.listNowHolds(static_cast<std::int16_t>(std::min(list_.wholeRecords(), kMostTitles)));
}

std::vector<std::int32_t> FrmListaFilmotas::shownEntries(std::string_view typed, bool duplicatesOnly) {
  if (duplicatesOnly && !duplicatesKnown_) {
    duplicates_ = findDuplicates(list_);
    duplicatesKnown_ = true;
  }
  return filterEntries(list_, typed, duplicatesOnly ? &duplicates_ : nullptr);
}

bool FrmListaFilmotas::refusesTitle(const std::string& title) {
  const char* refusal = isBlankTitle(title)             ? kBlankTitleText
                        : !isAcceptableTitleText(title) ? kRefusedTitleText
                                                        : nullptr;
  if (refusal) boxes_.show(refusal, kListWindowTitle, box::kExclamation);
  return refusal != nullptr;
}

bool FrmListaFilmotas::correct(std::int32_t entry, const std::string& title) {
  if (refusesTitle(title)) return false;
  const std::string codes = *windows1252::encode(title);
  if (list_.state(entry) == RecordState::title && list_.codes(entry) == codes) return false;
  return rewrite(listWithTitle(list_, entry, codes));
}

bool FrmListaFilmotas::remove(const std::vector<std::int32_t>& entries) {
  if (entries.empty()) return false;
  if (boxes_.show(removeQuestion(entries.size()), kRemoveTitle, box::kYesNoQuestion) != box::kAnswerYes) {
    return false;
  }
  return rewrite(listWithout(list_, entries));
}

// A failed rewrite leaves the old list in place, so the window keeps showing it.
bool FrmListaFilmotas::rewrite(const std::string& bytes) {
  try {
    replaceList(game_.dataFolder().path(kMovieListFile), bytes);
    reload();
    return true;
  } catch (const Failure& f) {
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
    return false;
  }
}

bool FrmListaFilmotas::importFile(const std::string& path) {
  ImportReport report;
  try {
    const std::string text = readFileBytes(path);
    reload();
    FrmAgregar agregar(game_);
    report = importTitles(text, list_, [&agregar](const std::string& codes) {
      if (!agregar.appendEncoded(codes)) throw Failure(failure::kOverflow);
    });
    reload();
  } catch (const Failure& f) {
    report.stoppedBy = f;   // the file could not be read, or the list not read again
  }
  if (report.stoppedBy) boxes_.show(generalErrorText(*report.stoppedBy), kGeneralErrorTitle, box::kCritical);
  boxes_.show(importReportText(report), kImportedTitle, report.stoppedBy ? box::kExclamation : box::kInformation);
  return report.added > 0;
}

void FrmListaFilmotas::exportFile(const std::string& path) {
  const ExportedText exported = exportTitles(list_);
  try {
    replaceList(path, exported.text);
  } catch (const Failure& f) {
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
    return;
  }
  boxes_.show(exportReportText(exported), kExportedTitle, box::kInformation);
}

}  // namespace filmotas
