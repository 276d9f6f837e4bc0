#include "ui/letter_box_validator.h"

#include "files/windows1252.h"

namespace filmotas::ui {

// Only what a data file can hold: a lone surrogate (half a character cut by the length
// limit) becomes U+FFFD on the way to UTF-8, which has no code either.
QValidator::State LetterBoxValidator::validate(QString& input, int& /*position*/) const {
  return windows1252::canEncode(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace filmotas::ui
