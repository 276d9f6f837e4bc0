// The data files under every game: Windows-1252 texts in fixed-length records, found in
// the program's folder whatever the case of their names.
#include <gtest/gtest.h>

#include <cerrno>

#include "files/data_folder.h"
#include "files/failure.h"
#include "files/record_file.h"
#include "files/windows1252.h"
#include "support/fakes.h"
#include "support/file_faults.h"

namespace filmotas {
namespace {

using testing::failureOf;
using testing::TempFolder;

TEST(CodePage, EveryCodeRoundTripsAndNothingIsReplaced) {
  for (int code = 0; code < 256; ++code) {
    const std::string byte(1, static_cast<char>(code));
    EXPECT_EQ(windows1252::encode(windows1252::decode(byte)), byte) << code;
  }
  for (std::uint8_t unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    EXPECT_EQ(windows1252::toUnicode(unassigned), char32_t{unassigned});   // the C1 control
  EXPECT_EQ(windows1252::decode("\x80\xD1"), "€Ñ");
  EXPECT_FALSE(windows1252::encode("\xC3").has_value());   // not UTF-8
}

TEST(RecordFile, LengthTextAndZeroPaddingByteForByte) {
  TempFolder folder;
  RecordFile file(folder.file("Config.dat"), 4);
  EXPECT_TRUE(folder.exists("Config.dat"));   // created empty by the opening
  EXPECT_EQ(file.read(2), "");                 // beyond the end: empty, no failure
  file.write(1, "10");
  file.write(3, "1");
  const std::string written("\x02\x00" "10" "\0\0\0\0" "\x01\x00" "1\0", 12);
  EXPECT_EQ(folder.read("Config.dat"), written);
  EXPECT_EQ(file.read(1), "10");
  EXPECT_EQ(file.read(2), "");
  EXPECT_EQ(failureOf([&] { file.write(2, "100"); }), failure::kBadRecordLength);
  EXPECT_EQ(folder.read("Config.dat"), written);   // nothing written
  folder.write("Config.dat", written + std::string("\x03\x00" "abc", 4));   // a length beyond the record
  RecordFile damaged(folder.file("Config.dat"), 4);
  EXPECT_EQ(failureOf([&] { damaged.read(4); }), failure::kBadRecordLength);
  EXPECT_EQ(failureOf([&] { while (damaged.skipNext()) {} }), failure::kBadRecordLength);   // as a count reads
}

// What the general error box says for each system error, and for the game's own numbers.
TEST(Failure, EachErrorHasItsNumberAndSpanishText) {
  const std::pair<std::vector<int>, const char*> systemErrors[] = {
      {{ENOENT}, "53:\r\n\r\nNo se encontró el archivo"},
      {{EACCES, EPERM, EROFS}, "70:\r\n\r\nPermiso denegado"},
      {{ENOTDIR}, "76:\r\n\r\nNo se encontró la ruta de acceso"},
      {{ENOSPC, EDQUOT, EFBIG}, "61:\r\n\r\nDisco lleno"},
      {{EBUSY, ETXTBSY}, "55:\r\n\r\nEl archivo ya está abierto"},
      {{EISDIR}, "75:\r\n\r\nError de acceso a la ruta o el archivo"},
      {{EIO}, "57:\r\n\r\nError de E/S en el dispositivo"},
      {{ENAMETOOLONG, EINVAL}, "52:\r\n\r\nNombre o número de archivo incorrecto"}};
  for (const auto& [errors, text] : systemErrors)
    for (int error : errors) EXPECT_EQ(generalErrorText(failureFromErrno(error)), "Error " + std::string(text));
  const std::pair<std::int16_t, const char*> ownNumbers[] = {
      {6, "Desbordamiento"}, {9, "El subíndice está fuera del intervalo"}, {13, "No coinciden los tipos"},
      {59, "Longitud de registro incorrecta"}, {380, "El valor de la propiedad no es válido"},
      {1, "Error definido por la aplicación o por el objeto"}};
  for (const auto& [number, text] : ownNumbers) EXPECT_EQ(Failure(number).description(), text) << number;
}

TEST(DataFolder, OneSeparatorAndNamesInAnyCase) {
  EXPECT_EQ(DataFolder("/juegos").path("Config.dat"), "/juegos/Config.dat");
  EXPECT_EQ(DataFolder("/juegos/").path("Config.dat"), "/juegos/Config.dat");
  TempFolder folder;
  folder.write("TEMP.DAT", "x");
  EXPECT_EQ(DataFolder(folder.path().string()).path("Temp.dat"), folder.file("TEMP.DAT"));
}

}  // namespace
}  // namespace filmotas
