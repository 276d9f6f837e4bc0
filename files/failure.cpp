#include "files/failure.h"

#include <cerrno>

namespace filmotas {

std::string describeFailure(std::int16_t number) {
  switch (number) {
    case failure::kOverflow: return "Desbordamiento";
    case failure::kSubscriptOutOfRange: return "El subíndice está fuera del intervalo";
    case failure::kTypeMismatch: return "No coinciden los tipos";
    case failure::kBadFileNameOrNumber: return "Nombre o número de archivo incorrecto";
    case failure::kFileNotFound: return "No se encontró el archivo";
    case failure::kFileAlreadyOpen: return "El archivo ya está abierto";
    case failure::kDeviceIoError: return "Error de E/S en el dispositivo";
    case failure::kBadRecordLength: return "Longitud de registro incorrecta";
    case failure::kDiskFull: return "Disco lleno";
    case failure::kPermissionDenied: return "Permiso denegado";
    case failure::kPathFileAccessError: return "Error de acceso a la ruta o el archivo";
    case failure::kPathNotFound: return "No se encontró la ruta de acceso";
    case failure::kInvalidPropertyValue: return "El valor de la propiedad no es válido";
    default: return "Error definido por la aplicación o por el objeto";
  }
}

Failure::Failure(std::int16_t number)
    : std::runtime_error("Error " + std::to_string(number)),
      number_(number),
      description_(describeFailure(number)) {}

Failure failureFromErrno(int error) {
  switch (error) {
    case ENOENT: return Failure(failure::kFileNotFound);
    case ENOTDIR: return Failure(failure::kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS: return Failure(failure::kPermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Failure(failure::kDiskFull);
    case EBUSY:
    case ETXTBSY: return Failure(failure::kFileAlreadyOpen);
    case ENAMETOOLONG:
    case EINVAL: return Failure(failure::kBadFileNameOrNumber);
    case EIO: return Failure(failure::kDeviceIoError);
    default: return Failure(failure::kPathFileAccessError);  // EISDIR, ELOOP, EMFILE…
  }
}

void raiseCount(std::int16_t& counter) {
  if (counter == INT16_MAX) throw Failure(failure::kOverflow);
  ++counter;
}

std::string generalErrorText(const Failure& f) {
  return "Error " + std::to_string(f.number()) + ":\r\n\r\n" + f.description();
}

}  // namespace filmotas
