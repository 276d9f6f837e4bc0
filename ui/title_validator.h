#pragma once
// The filter of the add-movie dialog's title box: an edit (a keystroke or a paste) whose
// result could not be stored as a movie-list title is refused whole, and the box keeps
// its previous text.
#include <QValidator>

namespace filmotas::ui {

class TitleValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace filmotas::ui
