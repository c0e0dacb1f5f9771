#pragma once
// The expense company's catalogs for the window's view and the search dialogs, with four creditors
// and a supplier, and bank movements with and without cheques.
#include "EsquemaGastos.h"

inline const std::string EmpresaPrueba = prueba::Esquema() + R"SQL(
INSERT INTO tblCatProveedor(COD_PROV, NOM_PROV, ES_ACREED) VALUES('A001','Papelería Ñandú y Asociados',1),
  ('A002','Limpiezas del Norte',1),('A003','Importadora del Pacífico',1),('B010','Luz y Fuerza del Centro',1),
  ('P005','Papelería Ñandú Mayoreo',0);
CREATE TABLE tblIngreEgre(MOVIMIENTO INTEGER PRIMARY KEY, NUM_CTA VARCHAR(20), CON_GRL VARCHAR(4), FEC_MOV DATE,
  FOL_CHEQUE VARCHAR(20), NOMBRE VARCHAR(100), IMP_MOV CURRENCY);
INSERT INTO tblIngreEgre VALUES
  (1,'0101-5','EGRE','2024-06-03','CH-0451','Limpiezas del Norte',12345.5),
  (2,'0101-5','EGRE','2024-06-10','CH-0452','Caja chica',800),
  (3,'0202-7','EGRE','2024-06-12','','Comisión bancaria',35),
  (4,'0202-7','INGR','2024-06-14','CH-9001','Depósito de cliente',5000),
  (5,'0202-7','EGRE','2024-06-15',NULL,'Traspaso',100);
)SQL";
