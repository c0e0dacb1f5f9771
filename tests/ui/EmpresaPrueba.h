#pragma once
// The expense company's catalogs for the window's view and the search dialog, with four creditors
// and a supplier.
#include "EsquemaGastos.h"

inline const std::string EmpresaPrueba = prueba::Esquema() + R"SQL(
INSERT INTO tblCatProveedor(COD_PROV, NOM_PROV, ES_ACREED) VALUES('A001','Papelería Ñandú y Asociados',1),
  ('A002','Limpiezas del Norte',1),('A003','Importadora del Pacífico',1),('B010','Luz y Fuerza del Centro',1),
  ('P005','Papelería Ñandú Mayoreo',0);
)SQL";
