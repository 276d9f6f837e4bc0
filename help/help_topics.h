#pragma once
// The help window's fixed tables: the three topics, the sub-topic captions each one
// puts into the frame's rows, and which help entry each row shows.
#include <array>
#include <cstddef>
#include <string_view>

namespace filmotas::help {

inline constexpr int kTopicCount = 3;
inline constexpr int kRowCount = 8;   // sub-topic rows in the frame

// Captions of lblTema1..lblTema3; they never change.
inline constexpr std::array<std::string_view, kTopicCount> kTopicCaptions = {
    "Instrucciones generales", "Menús y botones", "Opciones"};

struct Topic {
  int rowCount;      // rows 1..rowCount are shown, the others hidden
  int firstEntry;    // help entry of row 1; row N shows firstEntry + N - 1
  std::array<std::string_view, kRowCount> rowCaptions;   // only rowCount are used
};

inline constexpr std::array<Topic, kTopicCount> kTopics = {{
    {3, 1, {"¿Cómo se juega?", "Añadir nuevas filmotas", "Borrar filmotas"}},
    {8, 10, {"Archivo -> Nueva partida", "Archivo -> Agregar filmotas", "Archivo/Botón -> Salir",
             "Opciones -> Mostrar opciones", "Opciones -> Barra de estado", "Ayuda -> Ayuda",
             "Ayuda -> Acerca de..", "Botón -> Responder"}},
    {3, 20, {"Ignorar mayúsculas/minúsculas", "Se pueden decir vocales", "Tiempo de espera"}},
}};

// Topic 1..3.
inline constexpr const Topic& topic(int n) { return kTopics[static_cast<std::size_t>(n - 1)]; }
inline constexpr std::string_view topicCaption(int n) {
  return kTopicCaptions[static_cast<std::size_t>(n - 1)];
}

}  // namespace filmotas::help
