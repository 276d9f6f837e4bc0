#include "ui/movie_list_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/handler_guard.h"
#include "movielist/title_entry.h"
#include "ui/control_names.h"
#include "ui/movie_list_model.h"
#include "ui/screen_fit.h"
#include "ui/title_validator.h"

namespace filmotas::ui {

namespace {

const QString kTextFiles = QStringLiteral("Archivos de texto (*.txt);;Todos los archivos (*)");

// The title being corrected takes what the add-movie dialog's box takes.
class TitleDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* editor = new QLineEdit(parent);
    editor->setMaxLength(kTitleMaxLength);
    editor->setValidator(new TitleValidator(editor));
    editor->setAccessibleName(QStringLiteral("Título corregido"));
    return editor;
  }
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& accessible) {
  auto* b = new QPushButton(caption, parent);
  nameControl(*b, name);
  b->setAccessibleName(accessible);
  b->setAutoDefault(false);   // Enter in the filter box presses nothing
  return b;
}

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The import's progress in Qt's progress dialog: it shows itself once the import has
// taken half a second and looks to take longer; "Cancelar" (or Escape) stops the import.
class ImportProgressDialog : public ImportProgress {
 public:
  explicit ImportProgressDialog(QWidget* parent)
      : dialog_(QString::fromUtf8("Importando filmotas…"), QStringLiteral("Cancelar"), 0, kSteps, parent) {
    dialog_.setObjectName(QStringLiteral("prgImportar"));
    dialog_.setWindowTitle(QString::fromUtf8(kImportTitle));
    dialog_.setAccessibleName(QStringLiteral("Progreso de la importación"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(500);
    dialog_.setValue(0);
  }

  bool keepGoing(std::uint64_t done, std::uint64_t total) override {
    dialog_.setValue(total == 0 ? 0 : static_cast<int>(done * kSteps / total));   // modal: draws and hears the player
    return !dialog_.wasCanceled();
  }

  void finished() override { dialog_.reset(); }

 private:
  static constexpr int kSteps = 1000;
  QProgressDialog dialog_;
};

}  // namespace

MovieListWindow::MovieListWindow(GameLink& game, QWidget* parent)
    : QDialog(parent), boxes_(this), lista_(game, boxes_) {
  nameControl(*this, "frmListaFilmotas");
  setWindowTitle(QString::fromUtf8(kListWindowTitle));
  setModal(true);
  setSizeGripEnabled(true);
  buildControls();
  connectControls();
  resize(560, 480);
}

void MovieListWindow::buildControls() {
  auto* lblBuscar = new QLabel(QStringLiteral("&Buscar:"), this);
  nameControl(*lblBuscar, "lblBuscar");
  txtBuscar_ = new QLineEdit(this);
  nameControl(*txtBuscar_, "txtBuscar");
  txtBuscar_->setAccessibleName(QStringLiteral("Buscar títulos"));
  txtBuscar_->setClearButtonEnabled(true);
  lblBuscar->setBuddy(txtBuscar_);
  chkDuplicados_ = new QCheckBox(QStringLiteral("Solo &duplicados"), this);
  nameControl(*chkDuplicados_, "chkDuplicados");
  chkDuplicados_->setAccessibleName(QStringLiteral("Solo títulos duplicados"));

  auto* lblFilmotas = new QLabel(QStringLiteral("&Títulos (F2 corrige, Supr quita):"), this);
  nameControl(*lblFilmotas, "lblFilmotas");
  lstFilmotas_ = new QTableView(this);
  nameControl(*lstFilmotas_, "lstFilmotas");
  lstFilmotas_->setAccessibleName(QStringLiteral("Títulos de la lista"));
  lblFilmotas->setBuddy(lstFilmotas_);
  model_ = new MovieListModel(lista_, this);
  lstFilmotas_->setModel(model_);
  lstFilmotas_->setItemDelegate(new TitleDelegate(lstFilmotas_));
  lstFilmotas_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstFilmotas_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstFilmotas_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
  lstFilmotas_->setWordWrap(false);
  lstFilmotas_->horizontalHeader()->setStretchLastSection(true);
  lstFilmotas_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);   // rows of one height stay quick
  lstFilmotas_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

  lblCuenta_ = new QLabel(this);
  nameControl(*lblCuenta_, "lblCuenta");
  // As wide as its longest text from the start, so that no count widens the window.
  lblCuenta_->setMinimumWidth(lblCuenta_->fontMetrics().horizontalAdvance(QStringLiteral("32768 de 32768 registros")));
  cmdCorregir_ = button(this, "cmdCorregir", QStringLiteral("&Corregir"), QStringLiteral("Corregir el título"));
  cmdQuitar_ = button(this, "cmdQuitar", QStringLiteral("&Quitar"), QStringLiteral("Quitar los títulos elegidos"));
  cmdImportar_ = button(this, "cmdImportar", QStringLiteral("&Importar..."), QStringLiteral("Importar títulos"));
  cmdExportar_ = button(this, "cmdExportar", QStringLiteral("&Exportar..."), QStringLiteral("Exportar la lista"));
  cmdCerrar_ = button(this, "cmdCerrar", QStringLiteral("Ce&rrar"), QStringLiteral("Cerrar"));

  auto* search = new QHBoxLayout;
  search->addWidget(lblBuscar);
  search->addWidget(txtBuscar_, 1);
  search->addWidget(chkDuplicados_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblCuenta_, 1);
  for (QPushButton* b : {cmdCorregir_, cmdQuitar_, cmdImportar_, cmdExportar_, cmdCerrar_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(lblFilmotas);
  layout->addWidget(lstFilmotas_, 1);
  layout->addLayout(buttons);
}

// Nothing a handler throws may reach Qt's event loop: it is told in the general error box.
std::function<void()> MovieListWindow::guarded(void (MovieListWindow::*handler)()) {
  return [this, handler] { runHandler(boxes_, [this, handler] { (this->*handler)(); }); };
}

void MovieListWindow::connectControls() {
  connect(txtBuscar_, &QLineEdit::textChanged, this, guarded(&MovieListWindow::refresh));
  connect(chkDuplicados_, &QCheckBox::toggled, this, guarded(&MovieListWindow::refresh));
  connect(cmdCorregir_, &QPushButton::clicked, this, guarded(&MovieListWindow::cmdCorregir_Click));
  connect(cmdQuitar_, &QPushButton::clicked, this, guarded(&MovieListWindow::cmdQuitar_Click));
  connect(cmdImportar_, &QPushButton::clicked, this, guarded(&MovieListWindow::cmdImportar_Click));
  connect(cmdExportar_, &QPushButton::clicked, this, guarded(&MovieListWindow::cmdExportar_Click));
  connect(cmdCerrar_, &QPushButton::clicked, this, &QDialog::reject);
  auto* remove = new QShortcut(QKeySequence::Delete, lstFilmotas_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(remove, &QShortcut::activated, this, guarded(&MovieListWindow::cmdQuitar_Click));
}

void MovieListWindow::run() {
  guarded(&MovieListWindow::load)();
  centreOverParent(*this);
  exec();
}

void MovieListWindow::load() {
  lista_.Form_Load();
  refresh();
  lstFilmotas_->setFocus();
}

void MovieListWindow::closeIfOpen() {
  if (isVisible()) reject();
}

// The current row keeps its place, as far as the rows shown now reach.
void MovieListWindow::refresh() {
  const int row = lstFilmotas_->currentIndex().row();
  model_->refresh(txtBuscar_->text(), chkDuplicados_->isChecked());
  const int shown = model_->rowCount();
  lblCuenta_->setText(QString::fromStdString(lista_.countCaption(static_cast<std::size_t>(shown))));
  if (shown > 0) lstFilmotas_->setCurrentIndex(model_->index(std::clamp(row, 0, shown - 1), 0));
}

void MovieListWindow::cmdCorregir_Click() {
  const QModelIndex current = lstFilmotas_->currentIndex();
  if (current.isValid()) lstFilmotas_->edit(current);
}

void MovieListWindow::cmdQuitar_Click() {
  std::vector<std::int32_t> entries;
  for (const QModelIndex& row : lstFilmotas_->selectionModel()->selectedRows()) {
    entries.push_back(model_->entryAt(row.row()));
  }
  if (lista_.remove(entries)) refresh();
}

void MovieListWindow::cmdImportar_Click() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kImportTitle), QString(), kTextFiles,
                                                    nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  ImportProgressDialog progress(this);
  lista_.importFile(localPath(path), progress);
  refresh();
}

void MovieListWindow::cmdExportar_Click() {
  const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kExportTitle),
                                                    QStringLiteral("filmotas.txt"), kTextFiles, nullptr,
                                                    QFileDialog::DontUseNativeDialog);
  if (!path.isEmpty()) lista_.exportFile(localPath(path));
}

}  // namespace filmotas::ui
