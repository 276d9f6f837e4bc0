#pragma once
// The letter box takes only characters that the game's files can hold (Windows-1252);
// any other keystroke is refused as it is typed, so it never reaches the game.
#include <QValidator>

namespace filmotas::ui {

class LetterBoxValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace filmotas::ui
