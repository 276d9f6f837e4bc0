#pragma once
// The game window's menu tree: captions with their access keys, separators and the two
// check marks of "&Opciones", and the keys a desktop player expects: Ctrl+N, Ctrl+Q, F1,
// and Ctrl+L, which reads the board to a screen reader.
class QAction;
class QMenu;
class QMenuBar;

namespace filmotas::ui {

struct GameWindowMenus {
  QMenu* mnuArchivo = nullptr;
  QAction* mnuArchivoNuevaPartida = nullptr;
  QAction* mnuArchivoAgregarFilmotas = nullptr;
  QAction* mnuArchivoListaFilmotas = nullptr;
  QAction* mnuArchivoEstadisticas = nullptr;
  QAction* mnuArchivoLinea = nullptr;
  QAction* mnuArchivoSalir = nullptr;
  QMenu* mnuOpciones = nullptr;
  QAction* mnuOpcionesMostrarOpciones = nullptr;
  QAction* mnuOpcionesVerBarra = nullptr;
  QMenu* mnuAyuda = nullptr;
  QAction* mnuAyudaAyuda = nullptr;
  QAction* mnuAyudaLinea = nullptr;
  QAction* mnuAyudaAcercaDe = nullptr;
  QAction* mnuAyudaLeerTablero = nullptr;
};

GameWindowMenus buildGameWindowMenus(QMenuBar& bar);

}  // namespace filmotas::ui
