#include "report/GrabadorDePaginas.h"

#include "report/ArchivoDePagina.h"
#include "report/EmfEscritor.h"

#include <csignal>
#include <pthread.h>

namespace report {

GrabadorDePaginas::GrabadorDePaginas() {
    // Signals stay with the thread that runs the report: its handler deletes the files in course.
    sigset_t todas, antes;
    sigfillset(&todas);
    pthread_sigmask(SIG_BLOCK, &todas, &antes);
    hilo_ = std::thread([this] { Trabaja(); });
    pthread_sigmask(SIG_SETMASK, &antes, nullptr);
}

GrabadorDePaginas::~GrabadorDePaginas() {
    {
        std::lock_guard<std::mutex> cerrojo(mutex_);
        termina_ = true;
        cola_.clear();
    }
    cambio_.notify_all();
    hilo_.join();
}

void GrabadorDePaginas::LanzaError() {
    if (error_) std::rethrow_exception(error_);
}

void GrabadorDePaginas::Encarga(ArchivoDePagina& archivo, std::vector<Registro> registros) {
    std::unique_lock<std::mutex> cerrojo(mutex_);
    cambio_.wait(cerrojo, [this] { return error_ || (cola_.empty() && !ocupado_); });
    LanzaError();
    cola_.push_back({&archivo, std::move(registros)});
    cerrojo.unlock();
    cambio_.notify_all();
}

void GrabadorDePaginas::Espera() {
    std::unique_lock<std::mutex> cerrojo(mutex_);
    cambio_.wait(cerrojo, [this] { return error_ || (cola_.empty() && !ocupado_); });
    LanzaError();
}

void GrabadorDePaginas::Trabaja() {
    std::unique_lock<std::mutex> cerrojo(mutex_);
    for (;;) {
        cambio_.wait(cerrojo, [this] { return termina_ || (!cola_.empty() && !error_); });
        if (termina_) return;
        Encargo encargo = std::move(cola_.front());
        cola_.pop_front();
        ocupado_ = true;
        cerrojo.unlock();
        std::exception_ptr error;
        try {
            encargo.archivo->Graba(EscribeEmf(encargo.registros));
        } catch (...) {
            error = std::current_exception();
        }
        encargo.registros.clear();
        cerrojo.lock();
        ocupado_ = false;
        if (error && !error_) error_ = error;
        cambio_.notify_all();
    }
}

}  // namespace report
