// "Relación de Movimientos" filtered as the user filters it: the status boxes, ticked concepts and
// agrupaciones, a typed code, and a creditor in two agrupaciones.
#include "BaseGastos.h"

#include <functional>

using prueba::VentanaGastos;

namespace {

class Movtos : public VentanaGastos {
protected:
    explicit Movtos(const std::string& guion = prueba::Esquema() + prueba::AcreedoresBase() + prueba::FoliosYSucursales())
        : VentanaGastos(guion) {}

    report::Documento Corre(bool porConcepto, bool detallado) {
        ventana->cmbConsulta.SetListIndex(2);
        ventana->dtpFecha(0).SetValue(QDate(2024, 5, 1));
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
        ventana->optOrden(porConcepto ? 1 : 0).UserClick();
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        return ConsultaLimpia();
    }
    // The folios listed, in the order they were drawn.
    static QStringList Folios(const report::Documento& doc) {
        static const QStringList folios = {"F-1", "F-2", "F-3", "F-4", "F-5", "F-6", "F-7", "024-000123", "F-9", "F-10", "F-11"};
        QStringList r;
        for (const report::Pagina& pagina : doc)
            for (const auto& registro : pagina)
                if (const auto* t = std::get_if<report::Texto>(&registro); t && folios.contains(t->texto)) r << t->texto;
        return r;
    }
};

// Status boxes, ticked concepts, agrupaciones and a typed code each narrow what prints.
TEST_F(Movtos, Filtros) {
    ventana->cmbConsulta.SetListIndex(2);
    const struct {
        std::function<void()> cambio;
        QStringList folios;
    } pasos[] = {
        {[&] { ventana->chkStatus(0).UserClick(); }, {"F-4", "F-2", "F-1", "F-3", "024-000123", "F-7"}},  // "Aplicados"
        {[&] { ventana->chkStatus(1).UserClick(); }, {"F-4", "F-2", "F-1", "F-3", "F-5", "024-000123", "F-11", "F-7"}},
        {[&] { ventana->chkStatus(0).UserClick(); }, {"F-5", "F-11"}},  // "Cancelados" alone
        // Concepts ticked in the tree: the credit's concept is left unticked.
        {[&] {
             ventana->chkStatus(1).UserClick();
             Marca(1, QStringLiteral("ARENTA"));
             Marca(1, QStringLiteral("ALUZ"));
         },
         {"F-2", "F-1", "F-3", "F-5", "F-6", "024-000123", "F-11", "F-7"}},
        // The same filters hold in the grouped form.
        {[&] {
             Marca(0, QStringLiteral("G2"));
             ventana->chkStatus(1).UserClick();
         },
         {}},
        {[&] { ventana->chkStatus(1).UserClick(); }, {"F-7"}},
        // A typed code wins over the tree.
        {[&] { ventana->txtCodAcreedor.SetText(QStringLiteral("A002")); }, {"024-000123", "F-11"}},
    };
    for (const auto& p : pasos) {
        p.cambio();
        EXPECT_EQ(Folios(Corre(false, true)), p.folios);
    }
}

TEST_F(Movtos, AgrupadoPorAgrupaciones) {
    Marca(0, QStringLiteral("G1"));
    Marca(0, QStringLiteral("G2"));
    const report::Documento doc = Corre(false, true);
    // A003 belongs to two agrupaciones and is listed under both.
    EXPECT_EQ(Busca(doc, QStringLiteral("A003")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("99.99")).size(), 6u);  // twice its line and total
    const auto importados = Busca(doc, QStringLiteral("Extranjeros:   Importados"));
    ASSERT_EQ(importados.size(), 1u);
    // The last creditor of Limpieza closes with its total before the new agrupación's heading.
    EXPECT_EQ(EnLinea(doc, 1, importados[0].texto.y - 350), (QStringList{"TOTAL ACREEDOR", "1,353.33"}));
}

}  // namespace
