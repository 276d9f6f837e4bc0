#include "ui/statistics_window.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "history/local_date.h"
#include "ui/control_names.h"
#include "ui/statistics_chart.h"

namespace filmotas::ui {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QLabel* figure(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  nameControl(*label, name);
  return label;
}

// A caption whose access key gives `control` the focus.
QLabel* caption(QWidget* parent, const char* name, const QString& shown, QWidget* control) {
  auto* label = new QLabel(shown, parent);
  nameControl(*label, name);
  label->setBuddy(control);
  return label;
}

QTableWidget* table(QWidget* parent, const char* name, const QString& accessible, const QStringList& columns) {
  auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
  nameControl(*t, name);
  t->setAccessibleName(accessible);
  t->setHorizontalHeaderLabels(columns);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setWordWrap(false);
  t->verticalHeader()->hide();
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  return t;
}

void fillRow(QTableWidget* t, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) t->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QPushButton* button(QWidget* parent, const char* name, const QString& shown, const QString& accessible) {
  auto* b = new QPushButton(shown, parent);
  nameControl(*b, name);
  b->setAccessibleName(accessible);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

StatisticsWindow::StatisticsWindow(const DataFolder& folder, QWidget* parent)
    : QDialog(parent), boxes_(this), estadisticas_(folder, boxes_) {
  nameControl(*this, "frmEstadisticas");
  setWindowTitle(text(kStatisticsTitle));
  setModal(true);
  setSizeGripEnabled(true);
  buildControls();
  connect(cmdBorrar_, &QPushButton::clicked, this, &StatisticsWindow::cmdBorrar_Click);
  connect(cmdCerrar_, &QPushButton::clicked, this, &QDialog::reject);   // so does Escape
}

void StatisticsWindow::buildControls() {
  lblJugadas_ = figure(this, "lblJugadas");
  lblGanadas_ = figure(this, "lblGanadas");
  lblRachaActual_ = figure(this, "lblRachaActual");
  lblMejorRacha_ = figure(this, "lblMejorRacha");
  lblAbandonadas_ = figure(this, "lblAbandonadas");
  lblIlegibles_ = figure(this, "lblIlegibles");
  picGrafico_ = new StatisticsChart(this);
  nameControl(*picGrafico_, "picGrafico");
  lstPartidas_ = table(this, "lstPartidas", QStringLiteral("Últimas partidas"),
                       {QStringLiteral("Fecha"), QStringLiteral("Título"), QStringLiteral("Resultado"), QStringLiteral("Fallos")});
  lstTitulos_ = table(this, "lstTitulos", QStringLiteral("Títulos que más te han ganado"),
                      {QStringLiteral("Veces"), QStringLiteral("Título")});
  cmdBorrar_ = button(this, "cmdBorrar", QStringLiteral("&Borrar historial"), QStringLiteral("Borrar historial"));
  cmdCerrar_ = button(this, "cmdCerrar", QStringLiteral("&Cerrar"), QStringLiteral("Cerrar"));

  auto* figures = new QGridLayout;
  figures->addWidget(lblJugadas_, 0, 0);
  figures->addWidget(lblGanadas_, 0, 1);
  figures->addWidget(lblAbandonadas_, 0, 2);
  figures->addWidget(lblRachaActual_, 1, 0);
  figures->addWidget(lblMejorRacha_, 1, 1);
  figures->addWidget(lblIlegibles_, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdBorrar_);
  buttons->addStretch(1);
  buttons->addWidget(cmdCerrar_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addWidget(caption(this, "lblGrafico", QStringLiteral("Partidas por &fallos:"), picGrafico_));
  layout->addWidget(picGrafico_, 2);
  layout->addWidget(caption(this, "lblPartidas", QStringLiteral("Últimas &partidas:"), lstPartidas_));
  layout->addWidget(lstPartidas_, 3);
  layout->addWidget(caption(this, "lblTitulos", QStringLiteral("&Títulos que más te han ganado:"), lstTitulos_));
  layout->addWidget(lstTitulos_, 1);
  layout->addLayout(buttons);
}

void StatisticsWindow::run() {
  estadisticas_.Form_Load();
  refresh();
  placeOnScreen();
  cmdCerrar_->setFocus();
  exec();
}

void StatisticsWindow::closeIfOpen() {
  if (isVisible()) reject();
}

void StatisticsWindow::refresh() {
  const RecordSummary& s = estadisticas_.summary();
  const Figures f = figuresOf(s);
  lblJugadas_->setText(text(f.played));
  lblGanadas_->setText(text(f.won));
  lblRachaActual_->setText(text(f.currentStreak));
  lblMejorRacha_->setText(text(f.bestStreak));
  lblAbandonadas_->setText(text(f.abandoned));
  lblIlegibles_->setText(text(f.unreadable));
  lblIlegibles_->setVisible(!f.unreadable.empty());
  picGrafico_->setSummary(s);

  lstPartidas_->setRowCount(static_cast<int>(s.lastGames.size()));
  for (int row = 0; row < lstPartidas_->rowCount(); ++row) {
    const ShownGame& g = s.lastGames[static_cast<std::size_t>(row)];
    fillRow(lstPartidas_, row, {text(shownDate(g.date)), text(g.title), text(shownResult(g.result)), QString::number(g.misses)});
  }
  lstTitulos_->setRowCount(static_cast<int>(s.mostBeatenBy.size()));
  for (int row = 0; row < lstTitulos_->rowCount(); ++row) {
    const BeatenBy& b = s.mostBeatenBy[static_cast<std::size_t>(row)];
    fillRow(lstTitulos_, row, {QString::number(b.times), text(b.title)});
  }
  cmdBorrar_->setEnabled(s.played > 0 || s.unreadable > 0);
}

void StatisticsWindow::cmdBorrar_Click() {
  if (estadisticas_.cmdBorrar_Click()) refresh();
}

// Over the game window, wholly inside the screen's free area, however small it is.
void StatisticsWindow::placeOnScreen() {
  QWidget* over = parentWidget();
  const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen->availableGeometry();
  const QSize frame = over ? over->frameGeometry().size() - over->geometry().size() : QSize();
  const QSize room = area.size() - frame;
  resize(QSize(640, 600).expandedTo(minimumSizeHint()).boundedTo(room));
  QRect placed(QPoint(), size() + frame);
  placed.moveCenter(over ? over->frameGeometry().center() : area.center());
  placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width() + 1)));
  placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height() + 1)));
  move(placed.topLeft());
}

}  // namespace filmotas::ui
