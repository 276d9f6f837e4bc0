#include "ui/title_validator.h"

#include "movielist/title_entry.h"

namespace filmotas::ui {

QValidator::State TitleValidator::validate(QString& input, int&) const {
  return isAcceptableTitleText(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace filmotas::ui
