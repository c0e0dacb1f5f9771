#pragma once
// The page writer both query windows run a report through: it binds the preview's surface, lets
// the window's report routine draw one page file per full page, numbers the pages into one
// document and shows the preview. A window derives from it (besides controles::Form) and
// supplies the hooks below.
#include "report/ArchivoDePagina.h"
#include "report/GrabadorDePaginas.h"
#include "report/ReservaDeSello.h"
#include "report/SeguimientoCorrida.h"
#include "vb/Integer.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace report {

class Superficie;

class EscritorPaginas {
public:
    virtual ~EscritorPaginas();

    // One complete report run. A run-time error ends the run: its page files are deleted, the
    // pointer returns to the default, the error goes to the message service and no preview opens.
    void GeneraConsulta();
    // Saves the full page, opens the next one and draws the report's headings on it.
    void NuevaPagina();
    // The company and report heading at the top of the page; leaves LineaActual under it.
    void EncabezadoPagina(const QString& titulo);

    // Page file of page n, resolved to a local path (the folder once per run).
    QString ArchivoPagina(int32_t pagina) const;

    // The preview's surface while a run lasts; holding it keeps the preview window alive.
    std::shared_ptr<report::Superficie> Superficie;
    vb::Integer LineaActual;
    int32_t PaginaActual = 0;
    QString SelloReporte;
    QString FechaInicial;
    QString FechaFinal;

protected:
    EscritorPaginas() = default;
    EscritorPaginas(const EscritorPaginas&) = delete;
    EscritorPaginas& operator=(const EscritorPaginas&) = delete;

    // DirConsultas from the settings file, ending in "\" unless empty.
    static void LeeDirConsultas();

    // Folder of the page files, the original way (ends in "\" or is empty).
    virtual QString DirectorioPaginas() const = 0;
    // What the window resets or reads before the dates are taken.
    virtual void PreparaConsulta() {}
    // The date of dtpFecha(indice), 0 start and 1 end.
    virtual QDate FechaConsulta(int indice) const = 0;
    // Runs the report routine of the chosen entry; nothing for an unknown choice.
    virtual void ImprimeConsulta() = 0;
    // The headings NuevaPagina draws: those of the report in course.
    virtual void EncabezadosNuevaPagina() = 0;

private:
    report::Superficie& SuperficieVinculada() const;  // error 91 outside a run
    void ReservaSello();
    void GrabaPaginaActual();
    void NumeraPaginas();
    void BorraPaginasEscritas() noexcept;

    std::unique_ptr<SeguimientoCorrida> seguimiento_;  // while a run lasts
    QString carpetaPaginas_;                // DirectorioPaginas() resolved, for this run
    bool carpetaResuelta_ = false;
    std::optional<ReservaDeSello> reserva_;  // this run's stamp, held until its last page is gone
    // Page files of this run still on disk, from page 1; the writer holds on to them while it writes.
    std::deque<ArchivoDePagina> paginas_;
    std::unique_ptr<GrabadorDePaginas> grabador_;  // while a run lasts
};

}  // namespace report
