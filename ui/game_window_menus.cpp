#include "ui/game_window_menus.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "ui/control_names.h"

namespace filmotas::ui {

namespace {

QMenu* addMenu(QMenuBar& bar, const char* name, const char* caption) {
  QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
  nameControl(*menu, name);
  return menu;
}

QAction* addItem(QMenu& menu, const char* name, const char* caption) {
  QAction* item = menu.addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromUtf8(name));
  return item;
}

QAction* addItem(QMenu& menu, const char* name, const char* caption, QKeySequence shortcut) {
  QAction* item = addItem(menu, name, caption);
  item->setShortcut(shortcut);
  return item;
}

QAction* addCheckItem(QMenu& menu, const char* name, const char* caption, bool checked) {
  QAction* item = addItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

QAction* addSeparator(QMenu& menu, const char* name) {
  QAction* separator = menu.addSeparator();
  separator->setObjectName(QString::fromUtf8(name));
  return separator;
}

}  // namespace

GameWindowMenus buildGameWindowMenus(QMenuBar& bar) {
  GameWindowMenus m;
  m.mnuArchivo = addMenu(bar, "mnuArchivo", "&Archivo");
  m.mnuArchivoNuevaPartida = addItem(*m.mnuArchivo, "mnuArchivoNuevaPartida", "&Nueva partida",
                                     QKeySequence(Qt::CTRL | Qt::Key_N));
  m.mnuArchivoAgregarFilmotas = addItem(*m.mnuArchivo, "mnuArchivoAgregarFilmotas", "&Agregar filmotas");
  m.mnuArchivoListaFilmotas = addItem(*m.mnuArchivo, "mnuArchivoListaFilmotas", "&Lista de filmotas...");
  m.mnuArchivoEstadisticas = addItem(*m.mnuArchivo, "mnuArchivoEstadisticas", "&Estadísticas...");
  m.mnuArchivoLinea = addSeparator(*m.mnuArchivo, "mnuArchivoLinea");
  m.mnuArchivoSalir = addItem(*m.mnuArchivo, "mnuArchivoSalir", "&Salir", QKeySequence(Qt::CTRL | Qt::Key_Q));

  m.mnuOpciones = addMenu(bar, "mnuOpciones", "&Opciones");
  m.mnuOpcionesMostrarOpciones =
      addCheckItem(*m.mnuOpciones, "mnuOpcionesMostrarOpciones", "&Mostrar opciones", false);
  m.mnuOpcionesVerBarra = addCheckItem(*m.mnuOpciones, "mnuOpcionesVerBarra", "&Barra de estado", true);

  m.mnuAyuda = addMenu(bar, "mnuAyuda", "A&yuda");
  m.mnuAyudaAyuda = addItem(*m.mnuAyuda, "mnuAyudaAyuda", "&Ayuda", QKeySequence(Qt::Key_F1));
  m.mnuAyudaLinea = addSeparator(*m.mnuAyuda, "mnuAyudaLinea");
  m.mnuAyudaAcercaDe = addItem(*m.mnuAyuda, "mnuAyudaAcercaDe", "A&cerca de...");
  m.mnuAyudaLeerTablero =
      addItem(*m.mnuAyuda, "mnuAyudaLeerTablero", "&Leer el tablero", QKeySequence(Qt::CTRL | Qt::Key_L));
  return m;
}

}  // namespace filmotas::ui
