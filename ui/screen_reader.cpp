#include "ui/screen_reader.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>

#include "engine/frm_filmotas.h"
#include "ui/accessible_roles.h"
#include "ui/control_names.h"

namespace filmotas::ui {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// One pixel in the client area's corner that draws nothing, takes no focus and lets the
// pointer through: only its showing matters.
QWidget* makeNotice(QWidget& client) {
  auto* notice = new QWidget(&client);
  nameControl(*notice, "ntfAnuncio");
  notice->setAccessibleDescription(QString());   // read out with each sentence, like a focused control's
  setAccessibleRole(*notice, QAccessible::Notification);
  notice->setAttribute(Qt::WA_TransparentForMouseEvents);
  notice->setGeometry(0, 0, 1, 1);
  notice->hide();
  return notice;
}
#endif

}  // namespace

ScreenReader::ScreenReader(FrmFilmotas& game, const GameWindowControls& controls, QAction& readBoard)
    : controls_(controls), narrator_(*this) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  notice_ = makeNotice(*controls.txtIntroducir->parentWidget());
#endif
  boardIs(narrator_.board());
  game.subscribe(narrator_);
  QObject::connect(&readBoard, &QAction::triggered, controls.fraPelicula, [this] { narrator_.readBoard(); });
}

void ScreenReader::announce(const std::string& sentence) {
  const QString text = QString::fromStdString(sentence);
  describe(text);
  notify(text);
}

void ScreenReader::boardIs(const std::string& sentence) {
  controls_.fraPelicula->setAccessibleName(QString::fromStdString(sentence));
}

// The same sentence twice (the board read again) must still be a change to be spoken.
void ScreenReader::describe(const QString& sentence) {
  for (QWidget* box : {static_cast<QWidget*>(controls_.txtIntroducir), static_cast<QWidget*>(controls_.txtResponder)}) {
    if (box->accessibleDescription() == sentence) box->setAccessibleDescription(QString());
    box->setAccessibleDescription(sentence);
  }
}

void ScreenReader::notify(const QString& sentence) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QWidget* box = controls_.txtResponder->isVisible() ? controls_.txtResponder : controls_.txtIntroducir;
  QAccessibleAnnouncementEvent event(box, sentence);
  QAccessible::updateAccessibility(&event);
#else
  notice_->hide();
  notice_->setAccessibleName(sentence);
  notice_->show();
#endif
}

}  // namespace filmotas::ui
