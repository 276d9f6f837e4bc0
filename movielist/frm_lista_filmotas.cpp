// The list window's operations.
#include "movielist/frm_lista_filmotas.h"

#include <algorithm>

#include "files/windows1252.h"
#include "movielist/counted.h"
#include "engine/handler_guard.h"
#include "movielist/list_append.h"
#include "movielist/list_export.h"
#include "movielist/list_filter.h"
#include "movielist/list_rest.h"
#include "movielist/list_rewrite.h"
#include "movielist/title_entry.h"

namespace filmotas {

namespace {

constexpr const char* kBlankTitleText = "El título no puede quedar vacío ni tener solo espacios.";
constexpr const char* kRefusedTitleText =
    "El título admite como mucho 50 caracteres, sin saltos de línea y que se puedan guardar.";
constexpr const char* kOverfullText =
    "La lista tiene más registros de los 32767 que admite el programa. Quita primero el resto "
    "del archivo, su última entrada, para poder cambiarla.";

std::string removeQuestion(std::size_t count) {
  return count == 1 ? "¿Quitar 1 filmota de la lista?"
                    : "¿Quitar " + std::to_string(count) + " filmotas de la lista?";
}

}  // namespace

FrmListaFilmotas::FrmListaFilmotas(GameLink& game, MessageBoxPort& boxes)
    : game_(game), boxes_(boxes) {}

void FrmListaFilmotas::Form_Load() {
  runHandler(boxes_, [this] {
    list_ = ListSnapshot();
    duplicatesKnown_ = false;
    reload();
  });
}

// The list as the file holds it now; the game counts the same whole records.
void FrmListaFilmotas::reload() {
  list_ = ListSnapshot::read(game_.dataFolder().path(kMovieListFile));
  duplicatesKnown_ = false;
  game_.listNowHolds(static_cast<std::int16_t>(std::min(list_.wholeRecords(), kMostTitles)));
}

std::vector<std::int32_t> FrmListaFilmotas::shownEntries(std::string_view typed, bool duplicatesOnly) {
  return runHandler(boxes_, [&] {
    if (duplicatesOnly && !duplicatesKnown_) {
      duplicates_ = findDuplicates(list_);
      duplicatesKnown_ = true;
    }
    return filterEntries(list_, typed, duplicatesOnly ? &duplicates_ : nullptr);
  });
}

std::string FrmListaFilmotas::countCaption(std::size_t shown) const {
  const auto total = static_cast<std::int64_t>(list_.size());
  const std::string all = counted(total, "registro", "registros");
  return static_cast<std::int64_t>(shown) == total ? all : std::to_string(shown) + " de " + all;
}

bool FrmListaFilmotas::refusesTitle(const std::string& title) {
  const char* refusal = isBlankTitle(title)             ? kBlankTitleText
                        : !isAcceptableTitleText(title) ? kRefusedTitleText
                                                        : nullptr;
  if (refusal) boxes_.show(refusal, kListWindowTitle, box::kExclamation);
  return refusal != nullptr;
}

// What lies beyond record 32767 was never read: only its removal may rewrite the list.
bool FrmListaFilmotas::refusesRewrite(const std::vector<std::int32_t>& entries) {
  const std::int32_t beyond = list_.size() - 1;
  if (list_.beyondBytes() == 0 || std::find(entries.begin(), entries.end(), beyond) != entries.end()) {
    return false;
  }
  boxes_.show(kOverfullText, kListWindowTitle, box::kExclamation);
  return true;
}

bool FrmListaFilmotas::correct(std::int32_t entry, const std::string& title) {
  return runHandler(boxes_, [&] {
    if (refusesTitle(title) || refusesRewrite({})) return false;
    const std::string codes = *windows1252::encode(title);
    if (list_.state(entry) == RecordState::title && list_.codes(entry) == codes) return false;
    return rewrite(listWithTitle(list_, entry, codes), {entry});
  });
}

bool FrmListaFilmotas::remove(const std::vector<std::int32_t>& entries) {
  return runHandler(boxes_, [&] {
    if (entries.empty() || refusesRewrite(entries)) return false;
    if (boxes_.show(removeQuestion(entries.size()), kRemoveTitle, box::kYesNoQuestion) != box::kAnswerYes) {
      return false;
    }
    return rewrite(listWithout(list_, entries), entries);
  });
}

// A failed rewrite throws and leaves the old list in place, so the window keeps showing
// it. The entries it drops or changes may be the list's rest, which is saved first.
bool FrmListaFilmotas::rewrite(const std::string& bytes, const std::vector<std::int32_t>& entries) {
  const std::string path = game_.dataFolder().path(kMovieListFile);
  const bool touchesRest = std::any_of(entries.begin(), entries.end(), [this](std::int32_t i) {
    return list_.state(i) == RecordState::partial || list_.state(i) == RecordState::beyond;
  });
  if (touchesRest) saveListRest(path);
  replaceList(path, bytes);
  reload();
  return true;
}

bool FrmListaFilmotas::importFile(const std::string& path, ImportProgress& progress) {
  return runHandler(boxes_, [&] { return importFrom(path, progress); });
}

bool FrmListaFilmotas::importFrom(const std::string& path, ImportProgress& progress) {
  const std::string listPath = game_.dataFolder().path(kMovieListFile);
  ImportReport report;
  try {
    reload();
    report = importTitles(path, list_, [&listPath](std::string_view records) {
      ListAppend(listPath).appendRecords(records);
    }, progress);
    reload();
  } catch (const Failure& f) {
    report.stoppedBy = f;   // the list could not be read, before or after
  }
  if (report.notUtf8Line != 0) {
    boxes_.show(notUtf8Text(report.notUtf8Line), kImportTitle, box::kExclamation);
    return false;
  }
  if (report.stoppedBy) boxes_.show(generalErrorText(*report.stoppedBy), kGeneralErrorTitle, box::kCritical);
  boxes_.show(importReportText(report), kImportedTitle, report.stoppedBy ? box::kExclamation : box::kInformation);
  return report.added > 0;
}

void FrmListaFilmotas::exportFile(const std::string& path) {
  runHandler(boxes_, [&] {
    const ExportedText exported = exportTitles(list_);
    replaceList(path, exported.text);
    boxes_.show(exportReportText(exported), kExportedTitle, box::kInformation);
  });
}

}  // namespace filmotas
