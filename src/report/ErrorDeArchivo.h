#pragma once
// What the page files and the outputs share when the system refuses a file: the runtime error a
// user is shown, and a write that survives interruptions.
#include <QByteArray>
#include <QString>

namespace report {

// Path not found, disk full or access denied as the runtime numbers them; any other failure is an
// I/O error, with `detalle` as its message when given.
[[noreturn]] void LanzaErrorDeArchivo(int codigo, const QString& detalle = {});

// Writes every byte or returns the errno of the failure.
int EscribeTodo(int fd, const QByteArray& datos);

}  // namespace report
