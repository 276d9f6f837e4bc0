#pragma once
// The two display toggles of the "Opciones" menu and the window height they give. Not
// stored: every run starts with the options panel hidden and the status bar shown.

namespace filmotas {

class DisplayState {
 public:
  bool mostrarOpciones() const { return mostrarOpciones_; }  // check mark of "&Mostrar opciones"
  bool verBarra() const { return verBarra_; }                // check mark of "&Barra de estado"

  void mnuOpcionesMostrarOpciones_Click() { mostrarOpciones_ = !mostrarOpciones_; }
  void mnuOpcionesVerBarra_Click() { verBarra_ = !verBarra_; }

  // Outer height in twips: caption bar, menu bar and borders included.
  int outerHeight() const;
  // The client area below the menu bar: the outer height less 665 twips of chrome.
  int clientHeight() const { return outerHeight() - kChrome; }

  static constexpr int kChrome = 665;

 private:
  bool mostrarOpciones_ = false;
  bool verBarra_ = true;
};

}  // namespace filmotas
