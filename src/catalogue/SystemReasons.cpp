// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemReasons.h"

#include <cerrno>
#include <cstring>

QString systemReason(int error) {
    switch (error) {
    case ENOSPC: return QStringLiteral("no queda espacio libre en el disco");
    case EDQUOT: return QStringLiteral("se ha agotado tu cuota de disco");
    case EFBIG: return QStringLiteral("el archivo superaría el tamaño máximo permitido");
    case EACCES:
    case EPERM: return QStringLiteral("no tienes permiso");
    case EROFS: return QStringLiteral("el disco es de solo lectura");
    case EISDIR: return QStringLiteral("es una carpeta");
    case ENOTDIR: return QStringLiteral("una parte de la ruta no es una carpeta");
    case ENOENT: return QStringLiteral("no existe");
    case ELOOP: return QStringLiteral("hay demasiados enlaces simbólicos en la ruta");
    case ENAMETOOLONG: return QStringLiteral("la ruta es demasiado larga");
    case EIO: return QStringLiteral("error de lectura o escritura en el disco");
    case EMFILE:
    case ENFILE: return QStringLiteral("hay demasiados archivos abiertos");
    case ENXIO:
    case ENODEV: return QStringLiteral("no es un archivo normal");
    default:
        return QStringLiteral("error del sistema %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}
