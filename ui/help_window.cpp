#include "ui/help_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/accessible_roles.h"
#include "ui/bullet_widget.h"
#include "ui/control_names.h"
#include "ui/twips.h"

namespace filmotas::ui {

namespace {

// Caption bar and top border (330) plus bottom border (45) of a fixed dialog border: the
// model gives outer heights, Qt sizes the client area.
constexpr int kChromeHeight = 375;

// A fixed border with a caption and a close box only; not in the task bar.
constexpr Qt::WindowFlags kHelpWindowFlags = Qt::Tool | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QColor bulletColor(std::uint32_t bgr) { return QColor::fromRgb(help::toRgb(bgr)); }

template <std::size_t N>
int numberOf(const std::array<QPushButton*, N>& buttons, const QObject* object) {
  for (std::size_t i = 0; i < N; ++i) {
    if (buttons[i] == object) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

HelpWindow::HelpWindow(const DataFolder& folder, MessageBoxPort& boxes)
    : QWidget(nullptr, kHelpWindowFlags), core_(folder, boxes) {
  nameControl(*this, "frmAyuda");
  setAccessibleRole(*this, QAccessible::Window);   // a plain widget would read as a filler
  setWindowTitle(QStringLiteral("Ayuda"));
  // A tool window would not keep the program running; this one does, after the game
  // window has been closed by its close box.
  setAttribute(Qt::WA_QuitOnClose, true);
  c_ = buildHelpWindowControls(*this);
  connectClicks();
  trackPointer();
  core_.setObserver([this](help::HelpControl control, int index) { draw(control, index); });
  drawAll();
}

void HelpWindow::open() {
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  if (!core_.Form_Load()) return;
  c_.cmdTema[0]->setFocus();
  show();
  raise();
  activateWindow();
}

void HelpWindow::closeIfOpen() {
  if (isVisible()) close();
}

void HelpWindow::connectClicks() {
  for (int n = 1; n <= help::kTopicCount; ++n) {
    connect(c_.cmdTema[help::HelpWindowModel::at(n)], &QPushButton::clicked, this,
            [this, n] { core_.cmdTema_Click(n); });
  }
  for (int n = 1; n <= help::kRowCount; ++n) {
    connect(c_.cmdMarcoTema[help::HelpWindowModel::at(n)], &QPushButton::clicked, this,
            [this, n] { core_.cmdMarcoTema_Click(n); });
  }
  connect(c_.cmdAceptar, &QPushButton::clicked, this, &QWidget::close);
}

// Pointer movements are reported over the navigation buttons, the frame's surface and
// the window's surface. A button or the frame keeps its movements from reaching the
// surface below; labels and the white box swallow theirs without a handler, and bullets
// let theirs through to the surface they lie on.
void HelpWindow::trackPointer() {
  setMouseTracking(true);
  QList<QWidget*> reporting(c_.cmdTema.begin(), c_.cmdTema.end());
  reporting << QList<QWidget*>(c_.cmdMarcoTema.begin(), c_.cmdMarcoTema.end()) << c_.fraMarco;
  for (QWidget* widget : reporting) {
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
  }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseMove) return false;
  if (watched == c_.fraMarco) {
    core_.fraMarco_MouseMove();
  } else if (const int topic = numberOf(c_.cmdTema, watched)) {
    core_.cmdTema_MouseMove(topic);
  } else if (const int row = numberOf(c_.cmdMarcoTema, watched)) {
    core_.cmdMarcoTema_MouseMove(row);
  }
  return false;   // the button still sees the movement, for its pressed look
}

void HelpWindow::mouseMoveEvent(QMouseEvent* event) {
  core_.Form_MouseMove();
  event->accept();
}

// ---- Drawing the model --------------------------------------------------------------

void HelpWindow::drawAll() {
  using help::HelpControl;
  draw(HelpControl::fraMarcoCaption, 0);
  draw(HelpControl::fraMarcoVisible, 0);
  for (int n = 1; n <= help::kTopicCount; ++n) draw(HelpControl::shpTema, n);
  for (int n = 1; n <= help::kRowCount; ++n) {
    draw(HelpControl::lblMarcoTema, n);
    draw(HelpControl::marcoTemaRow, n);
    draw(HelpControl::shpMarcoTema, n);
  }
  draw(HelpControl::lblAyuda, 0);
  draw(HelpControl::height, 0);
}

void HelpWindow::draw(help::HelpControl control, int index) {
  using help::HelpControl;
  const help::HelpWindowModel& m = core_.model();
  const auto i = help::HelpWindowModel::at(index);
  switch (control) {
    case HelpControl::fraMarcoCaption:
      c_.fraMarco->setTitle(fromUtf8(m.fraMarcoCaption));
      drawChosenTopic();
      break;
    case HelpControl::fraMarcoVisible:
      c_.fraMarco->setVisible(m.fraMarcoVisible);
      drawChosenTopic();
      break;
    case HelpControl::lblMarcoTema:
      c_.lblMarcoTema[i]->setText(fromUtf8(m.rowCaption(index)));
      c_.cmdMarcoTema[i]->setAccessibleName(fromUtf8(m.rowCaption(index)));
      break;
    case HelpControl::marcoTemaRow: drawRow(index); break;
    case HelpControl::shpTema: c_.shpTema[i]->setFillColor(bulletColor(m.topicBullet(index))); break;
    case HelpControl::shpMarcoTema:
      c_.shpMarcoTema[i]->setFillColor(bulletColor(m.rowBullet(index)));
      break;
    case HelpControl::lblAyuda: c_.lblAyuda->setText(fromUtf8(m.lblAyuda)); break;
    case HelpControl::height: drawHeight(); break;
  }
}

void HelpWindow::drawRow(int row) {
  const auto i = help::HelpWindowModel::at(row);
  const bool visible = core_.model().isRowVisible(row);
  c_.cmdMarcoTema[i]->setVisible(visible);
  c_.shpMarcoTema[i]->setVisible(visible);
  c_.lblMarcoTema[i]->setVisible(visible);
}

// The topic whose rows the frame shows reads as checked.
void HelpWindow::drawChosenTopic() {
  const help::HelpWindowModel& m = core_.model();
  for (int n = 1; n <= help::kTopicCount; ++n) {
    const bool chosen = m.fraMarcoVisible && m.fraMarcoCaption == help::topicCaption(n);
    setAccessibleChecked(*c_.cmdTema[help::HelpWindowModel::at(n)], chosen);
  }
}

void HelpWindow::drawHeight() {
  setFixedSize(sizeOf(kHelpClientWidth, core_.model().height - kChromeHeight));
}

}  // namespace filmotas::ui
