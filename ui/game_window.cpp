#include "ui/game_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include "ui/add_movie_dialog.h"
#include "ui/movie_list_window.h"
#include "ui/statistics_window.h"
#include "ui/control_names.h"
#include "ui/fonts.h"
#include "ui/gallows_widget.h"
#include "ui/screen_reader.h"
#include "ui/status_bar.h"
#include "ui/twips.h"

// The icons live in a static library: its resources must be registered by name.
static void registerIcons() { Q_INIT_RESOURCE(resources); }

namespace filmotas::ui {

namespace {

// Fixed single border: a minimise box and a close box, no maximise box.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

void writeText(QLineEdit* box, const std::string& utf8) {
  const QString shown = text(utf8);
  if (box->text() == shown) return;   // keeps the cursor where the player left it
  const QSignalBlocker quiet(box);
  box->setText(shown);
}

// States 0 unchecked, 1 checked, 2 greyed; only a greyed box offers the third state.
void writeCheckBox(QCheckBox* box, int state) {
  const QSignalBlocker quiet(box);
  box->setTristate(state == 2);
  box->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

int stateOf(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

QString gallowsName(int misses) {
  return misses == 1 ? QStringLiteral("Horca: 1 fallo") : QStringLiteral("Horca: %1 fallos").arg(misses);
}

}  // namespace

GameWindow::GameWindow(const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent, kWindowFlags),
      boxes_(this),
      history_(DataFolder(QFile::encodeName(dataFolder).toStdString()), boxes_),
      game_(QFile::encodeName(dataFolder).toStdString(), boxes_, random_, *this),
      helpFolder_(game_.dataFolder()) {
  registerIcons();
  nameControl(*this, "frmFilmotas");
  setWindowTitle(QStringLiteral("Filmotas"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/filmotas.png")));
  setFont(arial(8.0));   // metric-compatible with the 8-point dialog font the design was laid out in

  auto* client = new QWidget(this);
  setCentralWidget(client);
  controls_ = buildGameWindowControls(*client);
  menus_ = buildGameWindowMenus(*menuBar());
  status_ = new StatusBar(this);
  setStatusBar(status_);
  tmrContador_ = new QTimer(this);
  tmrContador_->setObjectName(QStringLiteral("tmrContador"));
  tmrContador_->setSingleShot(true);   // a tick that finds a box open is kept by the game

  game_.setObserver([this](Control control, int index) { showControl(control, index); });
  game_.subscribe(history_);
  connectControls();
  connectMenus();
  screenReader_ = std::make_unique<ScreenReader>(game_, controls_, *menus_.mnuAyudaLeerTablero);
  showEverything();
  showDisplayState();
  controls_.txtIntroducir->setFocus();
}

GameWindow::~GameWindow() = default;

void GameWindow::setHelpFolder(const QString& folder) {
  helpFolder_ = DataFolder(QFile::encodeName(folder).toStdString());
}

void GameWindow::start() {
  game_.Form_Load();
  if (!game_.closed()) show();
}

void GameWindow::closeEvent(QCloseEvent* event) {
  tmrContador_->stop();
  game_.Form_QueryUnload();
  event->accept();   // the closing is never cancelled
}

// ---- The other windows ----------------------------------------------------------------

// The dialog lives for one opening; the exit operation can reach it meanwhile.
void GameWindow::openAddDialog() {
  AddMovieDialog dialog(game_, this);
  setAddDialogCloser([&dialog] { dialog.closeIfOpen(); });
  game_.mnuArchivoAgregarFilmotas_Click([&dialog] { dialog.run(); });
  setAddDialogCloser(nullptr);
}

// Like the add-movie dialog, one opening at a time, closed by the exit operation's first
// step when it is open.
void GameWindow::openListWindow() {
  MovieListWindow window(game_, this);
  setAddDialogCloser([&window] { window.closeIfOpen(); });
  game_.mnuArchivoListaFilmotas_Click([&window] { window.run(); });
  setAddDialogCloser(nullptr);
}

// Modal like the list window, and closed by the exit operation's first step too.
void GameWindow::openStatisticsWindow() {
  StatisticsWindow window(game_.dataFolder(), this);
  setAddDialogCloser([&window] { window.closeIfOpen(); });
  game_.mnuArchivoEstadisticas_Click([&window] { window.run(); });
  setAddDialogCloser(nullptr);
}

// The help window keeps the entries it has read for the rest of the run.
void GameWindow::openHelpWindow() {
  if (!helpWindow_) {
    helpWindow_ = std::make_unique<HelpWindow>(helpFolder_, boxes_);
    setHelpWindowCloser([this] { helpWindow_->closeIfOpen(); });
  }
  helpWindow_->open();
}

void GameWindow::closeAddDialog() {
  if (addDialogCloser_) addDialogCloser_();
}

void GameWindow::closeHelpWindow() {
  if (helpWindowCloser_) helpWindowCloser_();
}

void GameWindow::closeGameWindow() { close(); }

// ---- The player's events ----------------------------------------------------------------

void GameWindow::forward(Control shown, const std::function<void()>& event) {
  event();
  showControl(shown, 0);
}

void GameWindow::connectControls() {
  const GameWindowControls& c = controls_;
  // Whatever put the text there (keys, a paste, a drop, an input method, assistive
  // technology) is the player's; the window's own writes are made with signals blocked.
  // The box shows the text already: only the game's own changes come back to it.
  connect(c.txtIntroducir, &QLineEdit::textChanged, this,
          [this](const QString& typed) { game_.setTxtIntroducir(typed.toStdString()); });
  connect(c.txtResponder, &QLineEdit::textChanged, this,
          [this](const QString& typed) { game_.setTxtResponder(typed.toStdString()); });
  connect(c.txtResponder, &QLineEdit::returnPressed, this, [this] { game_.cmdAceptar_Click(); });
  connect(c.chkResponder, &QPushButton::clicked, this, [this](bool checked) {
    forward(Control::chkResponder, [&] { game_.setChkResponder(checked ? 1 : 0); });
  });
  connect(c.chkSePuedenVocales, &QCheckBox::clicked, this, [this] {
    forward(Control::chkSePuedenVocales,
            [this] { game_.setChkSePuedenVocales(stateOf(controls_.chkSePuedenVocales)); });
  });
  connect(c.chkMayusculas, &QCheckBox::clicked, this, [this] {
    forward(Control::chkMayusculas, [this] { game_.setChkMayusculas(stateOf(controls_.chkMayusculas)); });
  });
  connect(c.sldRapidez, &QSlider::valueChanged, this, [this](int value) {
    forward(Control::sldRapidez, [&] { game_.setSldRapidez(value); });
  });
  connect(c.cmdAceptar, &QPushButton::clicked, this, [this] { game_.cmdAceptar_Click(); });
  connect(c.cmdSalir, &QPushButton::clicked, this, [this] { game_.cmdSalir_Click(); });
  connect(tmrContador_, &QTimer::timeout, this, [this] { game_.tmrContador_Timer(); });
}

void GameWindow::connectMenus() {
  const GameWindowMenus& m = menus_;
  connect(m.mnuArchivoNuevaPartida, &QAction::triggered, this,
          [this] { game_.mnuArchivoNuevaPartida_Click(); });
  connect(m.mnuArchivoAgregarFilmotas, &QAction::triggered, this, [this] { openAddDialog(); });
  connect(m.mnuArchivoListaFilmotas, &QAction::triggered, this, [this] { openListWindow(); });
  connect(m.mnuArchivoEstadisticas, &QAction::triggered, this, [this] { openStatisticsWindow(); });
  connect(m.mnuArchivoSalir, &QAction::triggered, this, [this] { game_.mnuArchivoSalir_Click(); });
  connect(m.mnuOpcionesMostrarOpciones, &QAction::triggered, this, [this] { toggleOptionsPanel(); });
  connect(m.mnuOpcionesVerBarra, &QAction::triggered, this, [this] { toggleStatusBar(); });
  connect(m.mnuAyudaAyuda, &QAction::triggered, this, [this] { openHelpWindow(); });
  connect(m.mnuAyudaAcercaDe, &QAction::triggered, this, [this] { game_.mnuAyudaAcercaDe_Click(); });
}

// ---- Drawing the model ------------------------------------------------------------------

void GameWindow::showControl(Control control, int index) {
  const GameWindowModel& m = game_.model();
  const GameWindowControls& c = controls_;
  switch (control) {
    case Control::lblCaracter: c.cell(index)->setText(text(m.cell(index))); break;
    case Control::pieza: showPiece(static_cast<Piece>(index)); break;
    case Control::panel: status_->setPanelText(index, text(m.panelText(index))); break;
    case Control::txtIntroducir: writeText(c.txtIntroducir, m.txtIntroducir); break;
    case Control::txtResponder: writeText(c.txtResponder, m.txtResponder); break;
    case Control::chkResponder: {
      const QSignalBlocker quiet(c.chkResponder);
      c.chkResponder->setChecked(m.chkResponder == 1);
      break;
    }
    case Control::chkSePuedenVocales: writeCheckBox(c.chkSePuedenVocales, m.chkSePuedenVocales); break;
    case Control::chkMayusculas: writeCheckBox(c.chkMayusculas, m.chkMayusculas); break;
    case Control::sldRapidez: {
      const QSignalBlocker quiet(c.sldRapidez);
      c.sldRapidez->setValue(m.sldRapidez);
      break;
    }
    case Control::lblRapidez:
      c.lblRapidez->setText(text(m.lblRapidez));
      c.lblRapidez->adjustSize();   // sized to its text
      break;
    case Control::tmrContador: restartTimer(); break;
    case Control::answerMode: showAnswerMode(); break;
    case Control::focusTxtResponder: c.txtResponder->setFocus(); break;
    case Control::focusTxtIntroducir: c.txtIntroducir->setFocus(); break;
  }
}

void GameWindow::showEverything() {
  for (int cell = 1; cell <= kCellCount; ++cell) showControl(Control::lblCaracter, cell);
  for (int piece = 0; piece < kPieceCount; ++piece) showControl(Control::pieza, piece);
  for (int panel = 1; panel <= 3; ++panel) showControl(Control::panel, panel);
  for (Control control : {Control::txtIntroducir, Control::txtResponder, Control::chkResponder,
                          Control::chkSePuedenVocales, Control::chkMayusculas, Control::sldRapidez,
                          Control::lblRapidez, Control::tmrContador, Control::answerMode}) {
    showControl(control, 0);
  }
}

void GameWindow::showPiece(Piece piece) {
  controls_.picDibujo->setPieceVisible(piece, game_.model().visible(piece));
  controls_.picDibujo->setAccessibleName(gallowsName(game_.rules().misses()));
}

void GameWindow::showAnswerMode() {
  const AnswerModeControls& a = game_.model().answerMode;
  const GameWindowControls& c = controls_;
  c.txtResponder->setVisible(a.txtResponderVisible);
  c.txtIntroducir->setEnabled(a.txtIntroducirEnabled);
  c.cmdAceptar->setVisible(a.cmdAceptarVisible);
  c.linSeparacion1->setVisible(a.linSeparacionVisible);
  c.linSeparacion2->setVisible(a.linSeparacionVisible);
  menus_.mnuArchivoNuevaPartida->setEnabled(a.mnuArchivoNuevaPartidaEnabled);
  menus_.mnuArchivoAgregarFilmotas->setEnabled(a.mnuArchivoAgregarFilmotasEnabled);
  menus_.mnuArchivoListaFilmotas->setEnabled(a.mnuArchivoListaFilmotasEnabled);
  menus_.mnuArchivoEstadisticas->setEnabled(a.mnuArchivoEstadisticasEnabled);
  menus_.mnuOpcionesMostrarOpciones->setEnabled(a.mnuOpcionesMostrarOpcionesEnabled);
  c.fraOpciones->setEnabled(a.fraOpcionesEnabled);
  c.picDibujo->setVisible(a.picDibujoVisible);
}

// Every arming restarts the count; an interval of 0 stops the timer.
void GameWindow::restartTimer() {
  const int interval = game_.model().tmrContadorInterval;
  if (interval > 0) {
    tmrContador_->start(interval);
  } else {
    tmrContador_->stop();
  }
}

// ---- Options panel and status bar ---------------------------------------------------------

void GameWindow::toggleOptionsPanel() {
  display_.mnuOpcionesMostrarOpciones_Click();
  showDisplayState();
}

void GameWindow::toggleStatusBar() {
  display_.mnuOpcionesVerBarra_Click();
  showDisplayState();
}

// The window is the menu bar over the client area, whose height the toggles choose.
void GameWindow::showDisplayState() {
  menus_.mnuOpcionesMostrarOpciones->setChecked(display_.mostrarOpciones());
  setOptionsReachable(controls_, display_.mostrarOpciones());
  menus_.mnuOpcionesVerBarra->setChecked(display_.verBarra());
  status_->setVisible(display_.verBarra());
  const int width = px(kGameClientWidth);
  const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->heightForWidth(width);
  setFixedSize(width, std::max(menuHeight, 0) + px(display_.clientHeight()));
}

}  // namespace filmotas::ui
