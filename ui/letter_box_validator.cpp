#include "ui/letter_box_validator.h"

#include "engine/windows1252.h"

namespace filmotas::ui {

// A lone surrogate (half of a character cut by the length limit) is refused as well:
// it has no Windows-1252 code.
QValidator::State LetterBoxValidator::validate(QString& input, int& /*position*/) const {
  for (const QChar c : input) {
    if (c.isSurrogate() || !windows1252::fromUnicode(c.unicode())) return Invalid;
  }
  return Acceptable;
}

}  // namespace filmotas::ui
