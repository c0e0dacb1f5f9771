#pragma once
// Catalog combo boxes and the option list kept beside each one, mapping list positions to codes.
#include <QString>
#include <cstdint>

namespace ado { class Connection; class Recordset; }
namespace controles { class ComboBox; }

namespace modConGastos {

// Levels: 1 cities, 2 states, 3 countries, 4 transfer concepts (drop-down 250 pixels wide).
void CargaCatalogo(ado::Connection& conexion, int nivel, controles::ComboBox& combo, ado::Recordset& rsOpciones,
                   bool seleccionaPrimero);
// The query CargaCatalogo opens for that level.
QString ConsultaCatalogo(int nivel);
// The query must return COD_TABLA and DES_TABLA. Errors after the option list is set up are
// shown through the message service; the combo keeps what was added before the error.
void CargaCombo(ado::Connection& conexion, controles::ComboBox& combo, ado::Recordset& rsOpciones,
                const QString& consulta, int32_t anchoLista, bool seleccionaPrimero);
void SeleccionaCodigo(const QString& codigo, controles::ComboBox& combo, ado::Recordset& rsOpciones);
// "" when nothing is selected or the position is not in the list.
QString CodigoOpcion(const controles::ComboBox& combo, ado::Recordset& rsOpciones);

}  // namespace modConGastos
