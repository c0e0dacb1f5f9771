#pragma once
// Writes a run's page files on a thread of its own while the report goes on drawing: each full
// page is handed over read out of the document, encoded as EMF there and written to its file,
// which the run created already. The first failure is raised to the run at its next hand-over.
#include "report/Pagina.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace report {

class ArchivoDePagina;

class GrabadorDePaginas {
public:
    GrabadorDePaginas();
    ~GrabadorDePaginas();  // drops the pages not yet begun and waits for the one in hand
    GrabadorDePaginas(const GrabadorDePaginas&) = delete;
    GrabadorDePaginas& operator=(const GrabadorDePaginas&) = delete;

    // Hands a page over for its file, which must outlive this object, once the page before it is
    // written: one page is written while the next is drawn, a slow disk piles no pages up, and
    // each file is whole before the run draws past the page after it. Raises an earlier error.
    void Encarga(ArchivoDePagina& archivo, std::vector<Registro> registros);
    // Every page handed over is written; raises the first error.
    void Espera();

private:
    struct Encargo {
        ArchivoDePagina* archivo;
        std::vector<Registro> registros;
    };
    void Trabaja();
    void LanzaError();  // with the lock held

    std::mutex mutex_;
    std::condition_variable cambio_;
    std::deque<Encargo> cola_;
    bool ocupado_ = false;
    bool termina_ = false;
    std::exception_ptr error_;
    std::thread hilo_;
};

}  // namespace report
