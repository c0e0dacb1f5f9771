#pragma once
// Files that live only while a run lasts (page files, outputs not yet given their final name).
// A process that is interrupted deletes them from its signal handler, so an interrupted run
// leaves nothing behind. Registering and forgetting happen on the thread that runs reports.
#include <QByteArray>

#include <functional>

namespace report {

// Creates a file through `crea` (which may fill in the name and returns the descriptor, or -1 with
// errno set) and registers it with the signals held off, so no interruption falls between the two.
int CreaArchivoEnCurso(QByteArray& ruta, const std::function<int(QByteArray&)>& crea);
void OlvidaArchivoEnCurso(const QByteArray& ruta);

// Deletes every registered file; safe inside a signal handler.
void BorraArchivosEnCurso() noexcept;

// For a process that runs reports on its main thread: SIGINT, SIGTERM and SIGHUP delete the
// files in course and then end the process as the signal would have.
void BorraArchivosEnCursoAlInterrumpir();

}  // namespace report
