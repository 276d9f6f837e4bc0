#pragma once
// The values of the help window's controls that change at run time. The window draws
// exactly this; every rule that changes it lives in FrmAyuda.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "help/help_topics.h"

namespace filmotas::help {

// Bullet fill colours as the toolkit's value 0x00BBGGRR, and as 0xRRGGBB for drawing.
inline constexpr std::uint32_t kRestingColor = 0x800000;     // navy, the design value
inline constexpr std::uint32_t kHighlightColor = 0xFF0000;   // pure blue
inline constexpr std::uint32_t toRgb(std::uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
inline constexpr std::uint32_t kRestingRgb = toRgb(kRestingColor);       // #000080
inline constexpr std::uint32_t kHighlightRgb = toRgb(kHighlightColor);   // #0000FF

// The window's outer height in twips (caption bar and borders included).
inline constexpr int kCompactHeight = 2000;   // after loading: topic rows and "Aceptar"
inline constexpr int kFullHeight = 5775;      // the design, once a topic is chosen

inline constexpr const char* kPrompt = "Elige alguna opción.";
inline constexpr const char* kFrameDesignCaption = "Marco";

// Which value changed; `index` is the row (1–8) or topic (1–3) it belongs to, else 0.
enum class HelpControl {
  fraMarcoCaption, fraMarcoVisible,
  lblMarcoTema,     // caption of a sub-topic label
  marcoTemaRow,     // visibility of cmdMarcoTemaN, shpMarcoTemaN and lblMarcoTemaN together
  shpTema, shpMarcoTema,   // bullet colours
  lblAyuda, height,
};

// Every value starts at its design value. All texts are UTF-8.
struct HelpWindowModel {
  std::string fraMarcoCaption = kFrameDesignCaption;
  bool fraMarcoVisible = true;
  std::array<std::string, kRowCount> lblMarcoTema{"Tema1", "Tema2", "Tema3", "Tema4",
                                                  "Tema5", "Tema6", "Tema7", "Tema8"};
  std::array<bool, kRowCount> rowVisible{true, true, true, true, true, true, true, true};
  std::array<std::uint32_t, kTopicCount> shpTema{kRestingColor, kRestingColor, kRestingColor};
  std::array<std::uint32_t, kRowCount> shpMarcoTema{kRestingColor, kRestingColor, kRestingColor,
                                                    kRestingColor, kRestingColor, kRestingColor,
                                                    kRestingColor, kRestingColor};
  std::string lblAyuda = kPrompt;
  int height = kFullHeight;

  // Accessors by the controls' own numbers: rows 1–8, topics 1–3.
  const std::string& rowCaption(int row) const { return lblMarcoTema[at(row)]; }
  bool isRowVisible(int row) const { return rowVisible[at(row)]; }
  std::uint32_t topicBullet(int topic) const { return shpTema[at(topic)]; }
  std::uint32_t rowBullet(int row) const { return shpMarcoTema[at(row)]; }

  static std::size_t at(int number) { return static_cast<std::size_t>(number - 1); }
  bool operator==(const HelpWindowModel&) const = default;
};

}  // namespace filmotas::help
